// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

// Feeds arbitrary texts, ranges, decimals, placeholders and key strokes to a
// DoubleValidator sitting in a real QLineEdit, and stops at the first input
// that breaks one of the validator's promises:
//
//  - validate() answers Acceptable or Invalid, never Intermediate;
//  - validate() never moves the cursor;
//  - an Acceptable text is the placeholder, empty, "-", a zero ("0", "-0.00",
//    ...) or a text that parses to a finite number;
//  - after Return, Enter or focus loss the field holds the placeholder or a
//    number inside the range with exactly `decimals` digits after the point.
//
// An input is a list of lines. The first line builds the validator: three
// fields "bottom top decimals" use the constructor that takes them unchecked,
// anything else the one with the defaults. Every further line is one step:
//
//   ?text    validate(text) called directly, the cursor in the middle
//   =text    the owner sets the field's text
//   +text    text pasted at the cursor (QLineEdit::insert, validated)
//   :keys    key strokes: < > ^ $ are Left, Right, Home, End; # Backspace,
//            ~ Delete, ! Return, & Enter, | focus out, * focus in,
//            @ a click; every other character is typed
//   R b t d  setRange        B x  setBottom     T x  setTop
//   N d      setDecimals     Dtext  setDefaultText
//
// Numbers go through QByteArray::toDouble, so "inf" and "nan" reach the
// validator as well.

#include "widgets/doublevalidator.h"

#include <QApplication>
#include <QByteArray>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QList>
#include <QMouseEvent>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Formatting a number with a billion fraction digits is a memory exhaustion
// the fuzzer would find at once and nobody can mean; keep decimals sane.
constexpr int maxDecimals = 99;

[[noreturn]] void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "\nINVARIANT BROKEN: %s\n  %s\n", what, qUtf8Printable(detail));
    std::fflush(stderr);
    std::abort();
}

bool isZeroText(const QString &text)
{
    // "0", "-0", "0.", "-0.000" and the like: beginnings of a number that
    // has no value yet.
    qsizetype i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (i >= text.size() || text.at(i) != QLatin1Char('0'))
        return false;
    ++i;
    if (i == text.size())
        return true;
    if (text.at(i) != QLatin1Char('.'))
        return false;
    for (++i; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('0'))
            return false;
    }
    return true;
}

QString describe(const DoubleValidator &v)
{
    return QStringLiteral("bottom %1, top %2, decimals %3, default text \"%4\"")
            .arg(v.bottom(), 0, 'g', 17)
            .arg(v.top(), 0, 'g', 17)
            .arg(v.decimals())
            .arg(v.defaultText());
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
        const QString context = QStringLiteral("input \"%1\" -> \"%2\", %3").arg(given, input, describe(*this));
        if (state == Intermediate)
            fail("validate answered Intermediate", context);
        if (pos != givenPos)
            fail("validate moved the cursor",
                 context + QStringLiteral(", cursor %1 -> %2").arg(givenPos).arg(pos));
        if (state == Acceptable && input != defaultText() && !input.isEmpty()
            && input != QLatin1String("-") && !isZeroText(input)) {
            bool ok = false;
            const double value = input.toDouble(&ok);
            if (!ok || !std::isfinite(value))
                fail("an Acceptable text is no finite number", context);
        }
        return state;
    }
};

void checkCommitted(const QLineEdit &field, const DoubleValidator &v)
{
    const QString text = field.text();
    if (text == v.defaultText())
        return;
    const QString context = QStringLiteral("committed \"%1\", %2").arg(text, describe(v));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        fail("a committed text is no number", context);
    if (!(v.bottom() <= value && value <= v.top()))
        fail("a committed number lies outside the range", context);
    // A negative decimals can only come through the unchecked constructor;
    // it says nothing about how many digits to write.
    if (v.decimals() < 0)
        return;
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const qsizetype digits = point < 0 ? 0 : text.size() - point - 1;
    if ((v.decimals() == 0 && point >= 0) || digits != v.decimals())
        fail("a committed number has the wrong number of fraction digits", context);
}

double number(const QByteArray &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? value : 0.0;
}

int decimals(const QByteArray &text)
{
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    return ok ? int(std::clamp<long long>(value, -5, maxDecimals)) : 3;
}

Qt::Key keyOf(QChar c)
{
    const char16_t u = c.toUpper().unicode();
    return (u >= 0x20 && u < 0x7f) ? Qt::Key(u) : Qt::Key_unknown;
}

void press(QLineEdit &field, Qt::Key key, const QString &text = QString())
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&field, &event);
}

void typeKeys(QLineEdit &field, const DoubleValidator &v, const QString &keys)
{
    for (const QChar c : keys) {
        switch (c.unicode()) {
        case '<': press(field, Qt::Key_Left); break;
        case '>': press(field, Qt::Key_Right); break;
        case '^': press(field, Qt::Key_Home); break;
        case '$': press(field, Qt::Key_End); break;
        case '#': press(field, Qt::Key_Backspace); break;
        case '~': press(field, Qt::Key_Delete); break;
        case '!':
            press(field, Qt::Key_Return);
            checkCommitted(field, v);
            break;
        case '&':
            press(field, Qt::Key_Enter);
            checkCommitted(field, v);
            break;
        case '|': {
            QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(&field, &event);
            checkCommitted(field, v);
            break;
        }
        case '*': {
            QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(&field, &event);
            QCoreApplication::sendPostedEvents();
            break;
        }
        case '@': {
            const QPointF at(field.width() / 2.0, field.height() / 2.0);
            QMouseEvent down(QEvent::MouseButtonPress, at, field.mapToGlobal(at), Qt::LeftButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&field, &down);
            QMouseEvent up(QEvent::MouseButtonRelease, at, field.mapToGlobal(at), Qt::LeftButton,
                           Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&field, &up);
            QCoreApplication::sendPostedEvents();
            break;
        }
        default:
            press(field, keyOf(c), QString(c));
            break;
        }
    }
}

void quietValidatorWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // The validator's warnings on misuse are expected here; anything else is
    // worth seeing.
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
    static char *argv[] = {name, nullptr};
    // Lives until the process ends; the fuzzer never returns from main.
    static QApplication *app = new QApplication(argc, argv);
    Q_UNUSED(app);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> lines =
            QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size))
                    .split('\n');

    // One line edit for all inputs, for building a widget costs more than
    // everything else an input does; each input gets a fresh validator and
    // a fresh text with the cursor at its end.
    static QLineEdit *const lineEdit = new QLineEdit;
    QLineEdit &field = *lineEdit;
    field.resize(120, 24);
    field.setValidator(nullptr);
    const QObjectList children = field.children();
    for (QObject *old : children) {
        if (qobject_cast<DoubleValidator *>(old))
            delete old;
    }
    CheckedValidator *v = nullptr;
    const QList<QByteArray> header = lines.value(0).simplified().split(' ');
    if (header.size() == 3)
        v = new CheckedValidator(number(header[0]), number(header[1]), decimals(header[2]), &field);
    else
        v = new CheckedValidator(&field);
    field.setValidator(v);
    field.setText(v->defaultText());

    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        if (line.isEmpty())
            continue;
        const QByteArray arg = line.mid(1);
        const QString text = QString::fromUtf8(arg);
        switch (line.at(0)) {
        case '?': {
            QString input = text;
            int pos = int(input.size() / 2);
            v->validate(input, pos);
            break;
        }
        case '=':
            field.setText(text);
            break;
        case '+':
            field.insert(text);
            break;
        case ':':
            typeKeys(field, *v, text);
            break;
        case 'R': {
            const QList<QByteArray> f = arg.simplified().split(' ');
            v->setRange(number(f.value(0)), number(f.value(1)), decimals(f.value(2)));
            break;
        }
        case 'B':
            v->setBottom(number(arg));
            break;
        case 'T':
            v->setTop(number(arg));
            break;
        case 'N':
            v->setDecimals(decimals(arg));
            break;
        case 'D':
            v->setDefaultText(text);
            break;
        default:
            break;
        }
    }
    return 0;
}
