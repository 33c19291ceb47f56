// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures themselves are the SVG files beside this one; this file only gives the library a body.
namespace Lapinar {
int assetsLibrary = 0;
}
