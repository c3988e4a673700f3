// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/fontsetup.h"

#include <QFont>
#include <QFontDatabase>
#include <QResource>

#if PICTUREBOOK_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace FontSetup {

QList<Substitution> substitutions()
{
    return {
        // pen script for the speaker names and the story text
        { QStringLiteral("恋文ペン字"), { QStringLiteral("Klee One") } },
        // rounded pop lettering
        { QStringLiteral("富士ポップ"), { QStringLiteral("MotoyaLMaru") } },
        // brush script for the menu pages
        { QStringLiteral("麗流隷書"), { QStringLiteral("AoyagiKouzanFontT") } },
    };
}

QString install()
{
    QString bundledFamily;
    // The bundle stores the font uncompressed, so the font database can read
    // it where it lies instead of taking a 6 MB copy.
    const QResource resource(QString::fromLatin1(bundledFontPath));
    int id = -1;
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        id = QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
                reinterpret_cast<const char *>(resource.data()), qsizetype(resource.size())));
    } else {
        id = QFontDatabase::addApplicationFont(QString::fromLatin1(bundledFontPath));
    }
    if (id >= 0) {
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            bundledFamily = families.first();
    }

    const QStringList available = QFontDatabase::families();
    for (const Substitution &s : substitutions()) {
        if (available.contains(s.requested))
            continue;
        QStringList chain = s.substitutes;
        if (!bundledFamily.isEmpty())
            chain.append(bundledFamily);
        QFont::insertSubstitutions(s.requested, chain);
    }
    return bundledFamily;
}

Preload::Preload()
{
#if PICTUREBOOK_HAVE_FONTCONFIG
    // Qt's font database finds the configuration loaded here ready instead of
    // loading it itself, as long as it is not asked for a font before wait().
    m_thread = std::thread([] { FcInit(); });
#endif
}

Preload::~Preload()
{
    wait();
}

void Preload::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace FontSetup
