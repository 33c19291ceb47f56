// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Text that came from a class folder, made safe for the widget it goes to. Item views and labels set
// to plain text draw it as it stands; a tooltip, though, is read as HTML whenever it looks like some
// (`<img src=/dev/zero>` would load the file on the window's thread), so it goes in escaped. Each line
// passes ClassFolder::shown, so that no character in it moves, rings or turns the text.
namespace PlainText {

// A text of one or more lines, each made safe to show.
QString lines(const QString &text);
// The same as a tooltip, shown as those characters and never interpreted.
QString tip(const QString &text);

} // namespace PlainText
