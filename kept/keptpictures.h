// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "artwork.h"

#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// Pictures already drawn, kept in the user's cache folder ($XDG_CACHE_HOME/lapinar/pictures, else
// ~/.cache/lapinar/pictures) so that the next start shows them without drawing them again. One file
// per picture and pixel size holds the picture's pixels as they were drawn, with a fingerprint of
// the SVG and of the Qt that drew them: a file with another fingerprint, of the wrong length or not
// a plain file is not used, and the picture drawn again is written over it. A folder that cannot be
// written to costs only the drawing at the next start; nothing is ever told to the pupil.
//
// The folder is kept small: each picture at one size only (the last drawn), and the whole folder
// within MaxFolderBytes, the pictures drawn longest ago removed first. That is the lesson's pictures
// for a 4K display with room to spare (at 640 x 480 they take under 1 MB, and four times that at
// twice the size), while a pupil whose home has a quota never finds it filled by a cache.
class KeptPictures : public PictureCache {
public:
    static constexpr qint64 MaxFolderBytes = 32 * 1024 * 1024;

    explicit KeptPictures(const QString &folder);
    static QString defaultFolder();

    // Of the SVG text, the Qt library drawing it and the machine's byte order.
    static quint64 fingerprint(QByteArrayView svg);

    // The picture kept under this name at this size, or a null image.
    QImage load(const QString &name, quint64 fingerprint, const QSize &pixels) const;
    // Keeps a picture drawn in QImage::Format_ARGB32_Premultiplied; returns whether it was written.
    bool save(const QString &name, quint64 fingerprint, const QImage &image) const;

    QString file(const QString &name, const QSize &pixels) const;

    QImage drawnBefore(const QString &name, QByteArrayView svg, const QSize &pixels) const override
    {
        return load(name, fingerprint(svg), pixels);
    }
    void keepDrawn(const QString &name, QByteArrayView svg, const QImage &image) const override;

    // Pictures drawn while held are written when let go: on a pupil's first start the lesson holds
    // them until its first frame is shown, which the writing need not delay.
    void hold() { m_holding = true; }
    void letGo();

private:
    // After `name` is kept at size `kept`: removes the picture's other sizes, temporary files left
    // behind, and the oldest pictures beyond the folder's limit.
    void tidy(const QString &name, const QSize &kept) const;

    struct Held {
        QString name;
        quint64 fingerprint;
        QImage image;
    };

    QString m_folder;
    bool m_holding = false;
    mutable QList<Held> m_held;
};
