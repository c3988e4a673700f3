// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

// Feeds arbitrary texts, ranges, placeholders and key strokes to a
// DoubleValidator in a real QLineEdit and stops at the first input that
// breaks one of the validator's promises:
//
//  - validate() answers Acceptable or Invalid and never moves the cursor;
//  - an Acceptable text is the placeholder, empty, "-", a zero ("0",
//    "-0.00", ...) or a finite number;
//  - after Return or focus loss the field holds the placeholder or a number
//    inside the range with exactly `decimals` digits after the point.
//
// An input is a list of lines. The first, "bottom top decimals", builds the
// validator with them unchecked; anything else gives the defaults. Then one
// step per line:
//
//   ?text  validate(text)         =text  the owner sets the text
//   +text  text pasted            :keys  key strokes, see typeKeys()
//   R b t d  setRange   B x  setBottom   T x  setTop   Dtext  setDefaultText
//
// Numbers go through QByteArray::toDouble, so "inf" and "nan" get in too.

#include "widgets/doublevalidator.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

void expect(bool kept, const char *promise, const DoubleValidator &v, const QString &detail)
{
    if (kept)
        return;
    std::fprintf(
        stderr,
        "\nINVARIANT BROKEN: %s\n  %s; bottom %.17g, top %.17g, decimals %d, default text \"%s\"\n",
        promise, qUtf8Printable(detail), v.bottom(), v.top(), v.decimals(),
        qUtf8Printable(v.defaultText()));
    std::abort();
}

// Checks every validate() call, whoever makes it: the harness directly, the
// line edit on each key stroke, setText on a commit.
class CheckedValidator : public DoubleValidator
{
public:
    using DoubleValidator::DoubleValidator;

    State validate(QString &input, int &pos) const override
    {
        const QString given = input;
        const int givenPos = pos;
        const State state = DoubleValidator::validate(input, pos);
        const QString detail = QStringLiteral("input \"%1\" -> \"%2\"").arg(given, input);
        expect(state != Intermediate, "validate answered Intermediate", *this, detail);
        expect(pos == givenPos, "validate moved the cursor", *this, detail);
        // "", "-", "0", "-0", "0.", "-0.000": beginnings of a number that has no value yet.
        static const QRegularExpression noValueYet(QStringLiteral("^-?(0(\\.0*)?)?$"));
        bool ok = true;
        double value = 0;
        if (state == Acceptable && input != defaultText() && !noValueYet.match(input).hasMatch())
            value = input.toDouble(&ok);
        expect(ok && std::isfinite(value), "an Acceptable text is no finite number", *this, detail);
        return state;
    }
};

void expectCommitted(const QLineEdit &field, const DoubleValidator &v)
{
    const QString text = field.text();
    if (text == v.defaultText())
        return;
    bool ok = false;
    const double value = text.toDouble(&ok);
    expect(ok && std::isfinite(value) && v.bottom() <= value && value <= v.top(),
           "a committed text is no number in the range", v, text);
    // A negative decimals comes only through the unchecked constructor and
    // says nothing about the digits.
    const qsizetype point = text.indexOf(u'.');
    const qsizetype tail = point < 0 ? 0 : text.size() - point; // the point and what follows
    expect(v.decimals() < 0 || tail == (v.decimals() > 0 ? v.decimals() + 1 : 0),
           "a committed number has the wrong number of fraction digits", v, text);
}

// Formatting with a billion fraction digits exhausts memory, which nobody
// can mean; decimals stay below 100.
int decimals(const QByteArray &text)
{
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    return ok ? int(std::clamp<long long>(value, -5, 99)) : 3;
}

void send(QLineEdit &field, QEvent &&event)
{
    QApplication::sendEvent(&field, &event);
    QCoreApplication::sendPostedEvents();
}

// < > ^ $ are Left, Right, Home, End; # Backspace, ~ Delete, ! Return,
// | focus out, * focus in, @ a click; every other character is typed.
void typeKeys(QLineEdit &field, const DoubleValidator &v, const QString &keys)
{
    static const QHash<QChar, Qt::Key> special {
        { u'<', Qt::Key_Left },   { u'>', Qt::Key_Right },     { u'^', Qt::Key_Home },
        { u'$', Qt::Key_End },    { u'#', Qt::Key_Backspace }, { u'~', Qt::Key_Delete },
        { u'!', Qt::Key_Return },
    };
    const QPointF middle(field.width() / 2.0, field.height() / 2.0);
    for (const QChar c : keys) {
        if (c == u'|' || c == u'*') {
            send(field, QFocusEvent(c == u'|' ? QEvent::FocusOut : QEvent::FocusIn));
        } else if (c == u'@') {
            send(field,
                 QMouseEvent(QEvent::MouseButtonPress, middle, field.mapToGlobal(middle),
                             Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
            send(field,
                 QMouseEvent(QEvent::MouseButtonRelease, middle, field.mapToGlobal(middle),
                             Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
        } else {
            const char16_t u = c.toUpper().unicode();
            const Qt::Key key
                = special.value(c, u >= 0x20 && u < 0x7f ? Qt::Key(u) : Qt::Key_unknown);
            send(field,
                 QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier,
                           special.contains(c) ? QString() : QString(c)));
        }
        if (c == u'!' || c == u'|')
            expectCommitted(field, v);
    }
}

void quietValidatorWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // Its warnings on misuse are expected; anything else is worth seeing.
    if (type == QtWarningMsg && message.startsWith(QLatin1String("DoubleValidator: ")))
        return;
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietValidatorWarnings);
    static int argc = 1;
    static char name[] = "fuzz_doublevalidator";
    static char *argv[] = { name, nullptr };
    // Lives until the process ends; the fuzzer never returns from main.
    new QApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> lines
        = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\n');

    // One line edit for all inputs, for building a widget costs more than
    // everything else an input does; each input gets a fresh validator.
    static QLineEdit field;
    field.resize(120, 24);
    delete field.validator();
    const QList<QByteArray> header = lines.value(0).simplified().split(' ');
    auto *v = header.size() == 3 ? new CheckedValidator(header[0].toDouble(), header[1].toDouble(),
                                                        decimals(header[2]), &field)
                                 : new CheckedValidator(&field);
    field.setValidator(v);
    field.setText(v->defaultText());

    for (const QByteArray &line : lines.mid(1)) {
        const QByteArray arg = line.mid(1);
        const QList<QByteArray> f = arg.simplified().split(' ');
        QString text = QString::fromUtf8(arg);
        int pos = int(text.size() / 2);
        const char step = line.isEmpty() ? 0 : line.front();
        if (step == '?')
            v->validate(text, pos);
        else if (step == '=')
            field.setText(text);
        else if (step == '+')
            field.insert(text);
        else if (step == ':')
            typeKeys(field, *v, text);
        else if (step == 'R')
            v->setRange(f.value(0).toDouble(), f.value(1).toDouble(), decimals(f.value(2)));
        else if (step == 'B')
            v->setBottom(arg.toDouble());
        else if (step == 'T')
            v->setTop(arg.toDouble());
        else if (step == 'D')
            v->setDefaultText(text);
    }
    return 0;
}
