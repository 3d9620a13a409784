#pragma once
// The link's state as the view's tooltip shows it: a line per fact, no line broken, so a device
// path stays whole. The diagnosis writes its facts in one line, "COM1 → /dev/ttyUSB0: reason — fix;
// more", for the diagnostic output.

#include <QString>
#include <string>

QString LinkStateToolTip(const std::string& state);
