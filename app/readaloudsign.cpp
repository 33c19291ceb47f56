// SPDX-License-Identifier: GPL-3.0-or-later
#include "readaloudsign.h"

#include "accessibility.h"
#include "artwork.h"
#include "lessonwindow.h"
#include "readaloud.h"
#include "twips.h"

#include <QLabel>

namespace {
// The sign's side, in twips.
constexpr double SignTwips = 270;
} // namespace

ReadAloudSign::ReadAloudSign(LessonWindow &window, ReadAloud &readAloud) : m_window(window), m_readAloud(readAloud)
{
    connect(&readAloud, &ReadAloud::switched, this, [this](bool on) {
        if (on)
            show();
        else if (m_sign)
            m_sign->hide();
        // A pupil with a screen reader hears what F9 did, not only the lesson's voice starting, and
        // why it does not start while the screen reader speaks.
        Accessibility::announce(m_window.pages(),
                                //: Said to a screen reader when F9 turns reading aloud off.
                                !on ? ReadAloud::tr("Reading aloud is off")
                                : m_readAloud.quietForScreenReader()
                                    //: Said when F9 turns reading aloud on while a screen reader is running.
                                    ? ReadAloud::tr("Reading aloud is quiet while a screen reader speaks")
                                    //: Said to a screen reader when F9 turns reading aloud on; also the name of
                                    //: the small loudspeaker sign in the lesson's corner.
                                    : ReadAloud::tr("Reading aloud is on"));
    });
    connect(&readAloud, &ReadAloud::showingNew, this, &ReadAloudSign::show);
}

void ReadAloudSign::show()
{
    if (!m_sign) {
        m_sign = new QLabel(m_window.pages());
        m_sign->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_sign->setAccessibleName(ReadAloud::tr("Reading aloud is on"));
    }
    const int side = Twips::px(SignTwips);
    m_sign->setGeometry(m_sign->parentWidget()->width() - side, 0, side, side);
    m_sign->setPixmap(Artwork::pixmap(Picture::Speaker, m_sign->size()));
    m_sign->show();
    // Above the screen showing now, and above a panel opening over it.
    m_sign->raise();
}
