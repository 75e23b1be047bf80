#pragma once
// The loader's download speaks in its own Russian texts, which the link core
// shows as it is given them.
#include "designer/link/acknowledged_send.h"
#include "designer/link/notice.h"

namespace loader {

// An error under "Ошибка" with the warning icon.
termlink::Notice LoaderError(int textId);

// "Ошибка загрузки, хотите попробывать снова?", Yes or No.
termlink::Notice RetryQuestion();

// "Версия прошивки не совпадает с версией Quarrow" under "Не известный формат".
termlink::Notice FirmwareMismatch();

// "Загрузка завершена!" under "Загрузка", with the information icon.
termlink::Notice LoadComplete();

// "Переполнение памяти" when the terminal is full, "Ошибка загрузки!" after
// seven sends of a block without "ACK".
termlink::SendFailureNotices BlockSendNotices();

}  // namespace loader
