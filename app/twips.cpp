// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
double g_scale = 1.0;
constexpr double TwipsPerPixel = 15.0;
} // namespace

namespace Twips {

double scale() { return g_scale; }
void setScale(double scale) { g_scale = scale > 0 ? scale : 1.0; }

double scaleToFit(const QSize &available)
{
    // A lesson screen is 9690 x 7290 twips with its frame: 646 x 486 pixels at scale 1.
    constexpr double ScreenWidth = 9690 / TwipsPerPixel;
    constexpr double ScreenHeight = 7290 / TwipsPerPixel;
    constexpr double Margin = 0.95; // leave a little of the desktop showing round the lesson
    const double fit = std::min(available.width() * Margin / ScreenWidth, available.height() * Margin / ScreenHeight);
    return std::max(1.0, fit);
}

int px(double twips) { return int(std::lround(twips / TwipsPerPixel * g_scale)); }

QRect rect(double left, double top, double width, double height)
{
    // Convert the edges, not the sizes, so that neighbouring controls meet without gaps.
    const int l = px(left);
    const int t = px(top);
    return QRect(l, t, px(left + width) - l, px(top + height) - t);
}

QSize size(double width, double height) { return QSize(px(width), px(height)); }

double fromPx(int pixels) { return pixels * TwipsPerPixel / g_scale; }

QFont font(Face face, double points, bool bold)
{
    // "MS Sans Serif" and "Arial" are rarely on a Linux school machine; Liberation Sans has Arial's
    // metrics, so the texts fit their labels as the lesson was laid out.
    static const bool substituted = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                               QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(substituted);
    QFont f(face == Face::Arial ? QStringLiteral("Arial") : QStringLiteral("MS Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0 * g_scale))));
    f.setBold(bold);
    return f;
}

} // namespace Twips
