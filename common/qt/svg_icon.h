#pragma once
// A window icon from vector art built into the program, drawn at each size a
// task bar or a title bar asks for, so none is scaled from another.
#include <cstddef>
#include <initializer_list>

#include <QIcon>

namespace qtui {

QIcon IconFromSvg(const unsigned char* svg, std::size_t size, std::initializer_list<int> pixelSizes);

}  // namespace qtui
