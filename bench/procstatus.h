// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

// A field of /proc/<pid>/status (VmRSS, VmHWM) in MiB, the kernel giving kB;
// -1 when it cannot be read. Without a pid, this process's own.
inline double statusMebibytes(const char *field, qint64 pid = 0)
{
    QFile status(pid ? QStringLiteral("/proc/%1/status").arg(pid)
                     : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

// What a mapping holds, for the sums by kind.
inline const char *mappingKind(const QString &mapping)
{
    static const char *const fontSuffixes[] = { ".ttf", ".otf", ".ttc", ".pfb", ".pcf.gz" };
    for (const char *suffix : fontSuffixes) {
        if (mapping.endsWith(QLatin1String(suffix)))
            return "font files";
    }
    if (mapping.contains(QLatin1String(".so")))
        return "libraries";
    if (mapping == QLatin1String("[heap]"))
        return "heap";
    if (mapping == QLatin1String("[anonymous]"))
        return "anonymous (large blocks, thread stacks)";
    if (mapping == QLatin1String("[shared memory]"))
        return "shared memory (window buffer, sound)";
    if (QFileInfo(mapping).fileName().startsWith(QLatin1String("picturebook")))
        return "the program (code, bundled pictures and font)";
    return "other";
}

// Resident memory of a process in MiB: the sums by kind, then the largest
// mappings (anonymous memory, the heap, each file). Returns the part of it
// that is the process's own: the pages it has written (heap, stacks, decoded
// pictures, the libraries' relocated data) and its other anonymous pages. The
// rest are pages of files, which other processes may map too and which the
// system can drop and read again, and memory shared with the X server.
inline double printResidentBreakdown(qint64 pid, const char *when)
{
    QFile smaps(QStringLiteral("/proc/%1/smaps").arg(pid));
    if (!smaps.open(QIODevice::ReadOnly))
        return -1;
    QMap<QString, double> byMapping;
    double own = 0;
    QString mapping;
    for (const QByteArray &line : smaps.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 5 && fields[0].contains('-') && !fields[0].endsWith(':')) {
            mapping = fields.size() >= 6 ? QString::fromLocal8Bit(fields[5])
                                         : QStringLiteral("[anonymous]");
            if (mapping.startsWith(QLatin1String("/memfd:"))
                || mapping.startsWith(QLatin1String("/dev/shm")))
                mapping = QStringLiteral("[shared memory]");
        } else if (fields.value(0) == "Rss:") {
            byMapping[mapping] += fields.value(1).toDouble() / 1024.0;
        } else if (fields.value(0) == "Private_Dirty:"
                   || (fields.value(0) == "Private_Clean:"
                       && !mapping.startsWith(QLatin1Char('/')))) {
            own += fields.value(1).toDouble() / 1024.0;
        }
    }
    std::vector<std::pair<double, QString>> sorted;
    double total = 0;
    for (auto it = byMapping.cbegin(); it != byMapping.cend(); ++it) {
        sorted.push_back({ it.value(), it.key() });
        total += it.value();
    }
    std::sort(sorted.rbegin(), sorted.rend());
    QMap<QString, double> byKind;
    for (const auto &[size, name] : sorted)
        byKind[QLatin1String(mappingKind(name))] += size;
    std::printf("resident %s: %.1f MiB, %.1f of it the process's own; by kind:", when, total, own);
    for (auto it = byKind.cbegin(); it != byKind.cend(); ++it)
        std::printf(" %s %.1f;", qPrintable(it.key()), it.value());
    std::printf("\nlargest parts:\n");
    double rest = total;
    for (size_t i = 0; i < sorted.size() && i < 14; ++i) {
        std::printf("  %6.2f MiB  %s\n", sorted[i].first,
                    qPrintable(QFileInfo(sorted[i].second).fileName().isEmpty()
                                   ? sorted[i].second
                                   : QFileInfo(sorted[i].second).fileName()));
        rest -= sorted[i].first;
    }
    std::printf("  %6.2f MiB  %zu other mappings\n", rest,
                sorted.size() > 14 ? sorted.size() - 14 : 0);
    return own;
}
