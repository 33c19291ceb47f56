// SPDX-License-Identifier: GPL-3.0-or-later
#include "keptpictures.h"

#include "lessonfolders.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtEndian>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// The file: this mark, the fingerprint, the width, the height and a check sum of the pixels (each 8
// bytes, little-endian), then the rows of pixels one after another, as the image holds them in
// memory. The sum finds a file that a power cut left the right length but not filled in.
constexpr char Mark[8] = {'L', 'a', 'p', 'i', 'n', 'a', 'r', 'P'};
constexpr qint64 HeaderBytes = 40;
constexpr int MaxSide = 16384;

struct Header {
    char mark[8];
    quint64 fingerprint;
    quint64 width;
    quint64 height;
    quint64 sum;
};
static_assert(sizeof(Header) == HeaderBytes);

// Cheap enough to cost far less than drawing the picture again.
quint64 sum(const QImage &image)
{
    const auto *word = reinterpret_cast<const quint64 *>(image.constBits());
    const qsizetype words = image.sizeInBytes() / 8;
    quint64 s = 0;
    for (qsizetype i = 0; i < words; ++i)
        s = ((s << 7) | (s >> 57)) ^ word[i];
    if (image.sizeInBytes() % 8)
        s ^= reinterpret_cast<const quint32 *>(image.constBits())[image.sizeInBytes() / 4 - 1];
    return s;
}

Header header(quint64 fingerprint, const QImage &image)
{
    const QSize pixels = image.size();
    Header h{};
    std::memcpy(h.mark, Mark, sizeof Mark);
    h.fingerprint = qToLittleEndian(fingerprint);
    h.width = qToLittleEndian(quint64(pixels.width()));
    h.height = qToLittleEndian(quint64(pixels.height()));
    h.sum = qToLittleEndian(sum(image));
    return h;
}

bool usable(const QSize &pixels)
{
    return pixels.width() > 0 && pixels.height() > 0 && pixels.width() <= MaxSide && pixels.height() <= MaxSide;
}

} // namespace

KeptPictures::KeptPictures(const QString &folder) : m_folder(folder) {}

QString KeptPictures::defaultFolder()
{
    return LessonFolders::cache() + QLatin1String("/pictures");
}

quint64 KeptPictures::fingerprint(QByteArrayView svg)
{
    // FNV-1a: the same on every run, unlike qHash.
    quint64 hash = 14695981039346656037ULL;
    const auto add = [&hash](QByteArrayView bytes) {
        for (const char c : bytes) {
            hash ^= quint8(c);
            hash *= 1099511628211ULL;
        }
    };
    add(svg);
    add(qVersion());
    const quint32 order = 0x01020304;
    add(QByteArrayView(reinterpret_cast<const char *>(&order), sizeof order));
    return hash;
}

QString KeptPictures::file(const QString &name, const QSize &pixels) const
{
    return QStringLiteral("%1/%2-%3x%4.pixels").arg(m_folder, name).arg(pixels.width()).arg(pixels.height());
}

QImage KeptPictures::load(const QString &name, quint64 fingerprint, const QSize &pixels) const
{
    if (!usable(pixels))
        return QImage();
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return QImage();
    // Only a plain file of exactly the right length, checked on the file opened: never through a
    // link, never waiting on a pipe or reading a device put in its place.
    const int fd =
        ::open(QFile::encodeName(file(name, pixels)).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QImage();
    QFile in;
    struct stat info {};
    if (!in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return QImage();
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size != HeaderBytes + image.sizeInBytes())
        return QImage();
    Header found{};
    if (in.read(reinterpret_cast<char *>(&found), HeaderBytes) != HeaderBytes ||
        in.read(reinterpret_cast<char *>(image.bits()), image.sizeInBytes()) != image.sizeInBytes())
        return QImage();
    const Header wanted = header(fingerprint, image);
    if (std::memcmp(&found, &wanted, sizeof found) != 0)
        return QImage();
    return image;
}

void KeptPictures::keepDrawn(const QString &name, QByteArrayView svg, const QImage &image) const
{
    if (m_holding)
        m_held.append({name, fingerprint(svg), image});
    else
        save(name, fingerprint(svg), image);
}

void KeptPictures::letGo()
{
    m_holding = false;
    for (const Held &held : std::exchange(m_held, {}))
        save(held.name, held.fingerprint, held.image);
}

bool KeptPictures::save(const QString &name, quint64 fingerprint, const QImage &image) const
{
    if (!usable(image.size()) || image.format() != QImage::Format_ARGB32_Premultiplied ||
        image.bytesPerLine() != image.width() * 4 || !QDir().mkpath(m_folder))
        return false;
    // Written whole under another name and then put in place, so that a lesson started meanwhile
    // finds the old file or the new one. Not forced to the disk: a file lost in a power cut is
    // only drawn again, and a school's network home can take long to sync.
    const QString target = file(name, image.size());
    QFile out(QStringLiteral("%1.%2.new").arg(target).arg(QCoreApplication::applicationPid()));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const Header h = header(fingerprint, image);
    const bool written =
        out.write(reinterpret_cast<const char *>(&h), HeaderBytes) == HeaderBytes &&
        out.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) == image.sizeInBytes() &&
        out.flush();
    out.close();
    if (written && out.error() == QFileDevice::NoError &&
        ::rename(QFile::encodeName(out.fileName()).constData(), QFile::encodeName(target).constData()) == 0) {
        tidy(name, image.size());
        return true;
    }
    out.remove();
    return false;
}

void KeptPictures::tidy(const QString &name, const QSize &kept) const
{
    // Newest first: what is removed to make room is what was drawn longest ago.
    const QFileInfoList files = QDir(m_folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Time);
    const QString keptFile = QFileInfo(file(name, kept)).fileName();
    const QString ownTemporary = QStringLiteral(".%1.new").arg(QCoreApplication::applicationPid());
    const QDateTime stale = QDateTime::currentDateTime().addSecs(-60);
    const QRegularExpression sameName(QStringLiteral("^%1-\\d+x\\d+\\.pixels$").arg(QRegularExpression::escape(name)));
    qint64 total = 0;
    for (const QFileInfo &f : files) {
        const QString n = f.fileName();
        // The picture at another size, a temporary file left by a lesson that stopped while writing
        // it (not one being written now), and whatever no longer fits in the folder's limit.
        const bool otherSize = n != keptFile && sameName.match(n).hasMatch();
        const bool leftOver =
            n.endsWith(QLatin1String(".new")) && !n.endsWith(ownTemporary) && f.lastModified() < stale;
        const bool tooMuch = total + f.size() > MaxFolderBytes && n != keptFile;
        if (otherSize || leftOver || tooMuch)
            QFile::remove(f.filePath());
        else
            total += f.size();
    }
}
