// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "accessibility.h"

class QAccessibleInterface;
class QLineEdit;

namespace Accessibility {

// What a screen reader is given for a one-line text field in place of Qt's own: its text, caret
// and selection, its segments by the rules of segmentAt(), one attribute run over the whole text
// (its look, and the language of the application's locale).
QAccessibleInterface *textFieldInterface(QLineEdit *field);

} // namespace Accessibility
