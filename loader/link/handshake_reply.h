#pragma once
// What the loader makes of a terminal's answer to "CIPHER": batch terminals
// and many radio terminals answer an identifier with "RU" in places five and
// six; others answer "ACK", and those only take a task whose own identifier
// has no "RU" there.
#include <optional>
#include <string>
#include <string_view>

#include "loader/batch_models.h"

namespace loader {

// The terminal's reply as the loader keeps it: cut after its ninth
// character, NUL-padded to ten bytes.
FirmwareId TerminalIdOf(std::string_view reply);

// An identifier's characters up to its NUL.
std::string_view TerminalIdText(const FirmwareId& id);

// The task's signature (the identifier its file starts with) against a reply
// that is no "RU" identifier: the reply that accepts the terminal, which is
// "ACK" for a task without "RU" and the signature itself otherwise; nothing
// when the terminal answered "ACK" to a task with "RU", which it cannot take.
std::optional<std::string> CheckTaskSignature(std::string_view reply, const FirmwareId& signature);

enum class ReplyVerdict {
    Accepted,  // the terminal is ready: the task goes
    Silent,    // no reply, or one character: the attempt ends without a word
    Mismatch,  // the firmware does not match the task: the attempt ends with a message
    TryAgain,  // "NAK" or something else: another handshake
};

ReplyVerdict JudgeHandshakeReply(std::string_view reply, const FirmwareId& signature);

}  // namespace loader
