#pragma once
// The task a terminal image stands for: the inverse of WriteImage, for the
// virtual terminal that stores what it received as a task file. Image
// settings go back to the designer's numbering, text entries keep the
// spaces that pad them to their width, and the firmware identifier, which
// the image does not carry, is the designer's. Writing the image of the
// decoded task gives the received image again.
#include "designer/transfer/terminal_image.h"
#include "designer/task/task_model.h"

namespace transfer {

task::TaskModel DecodeTerminalImage(const TerminalImage& image);

}  // namespace transfer
