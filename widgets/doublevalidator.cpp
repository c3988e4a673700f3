// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgets/doublevalidator.h"

#include <QDebug>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

const char notALineEdit[] = "DoubleValidator: Parent is not a subclass of QLineEdit.";

const QString &initialDefaultText()
{
    static const QString text = QStringLiteral("******");
    return text;
}

// A number may not begin with a zero that another digit follows.
bool hasLeadingZero(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^0[0-9]+|^-0[0-9]"));
    return pattern
            .match(text, 0, QRegularExpression::NormalMatch,
                   QRegularExpression::AnchorAtOffsetMatchOption)
            .hasMatch();
}

// The validator watches the line edit it belongs to.
void attachToParent(DoubleValidator *validator)
{
    if (auto *lineEdit = qobject_cast<QLineEdit *>(validator->parent()))
        lineEdit->installEventFilter(validator);
    else
        qWarning() << notALineEdit;
}

// Puts the cursor behind the placeholder.
void repairDefaultTextInput(QLineEdit *lineEdit, const QString &defaultText)
{
    if (lineEdit && lineEdit->text() == defaultText) {
        lineEdit->selectAll();
        lineEdit->deselect();
    }
}

} // namespace

class DoubleValidatorPrivate
{
public:
    DoubleValidatorPrivate(double bottom, double top, int decimals)
        : bottom(bottom)
        , top(top)
        , decimals(decimals)
    {
    }

    QString formatValue(double value) const;
    bool fractionDigitsFit(const QString &text) const;
    void commitInput(QLineEdit *lineEdit) const;

    double bottom;
    double top;
    int decimals;
    QString defaultText = initialDefaultText();
    bool eraseKeyPressed = false;
    // The text as it was when the key press being handled arrived; null
    // outside a key press.
    QString previousText;
};

QString DoubleValidatorPrivate::formatValue(double value) const
{
    return QStringLiteral("%1").arg(value, 0, 'f', decimals, QLatin1Char(' '));
}

bool DoubleValidatorPrivate::fractionDigitsFit(const QString &text) const
{
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point < 0)
        return true;
    if (decimals == 0)
        return false;
    return text.size() - point - 1 <= decimals;
}

void DoubleValidatorPrivate::commitInput(QLineEdit *lineEdit) const
{
    if (!lineEdit)
        return;
    bool ok = false;
    const double v = lineEdit->text().toDouble(&ok);
    if (ok && std::isfinite(v) && bottom <= v && v <= top) {
        // Rounding to `decimals` digits can step over a bound (1.2345 with
        // three decimals is 1.234); such a number has no text in the range.
        const QString text = formatValue(v);
        const double written = text.toDouble();
        lineEdit->setText(bottom <= written && written <= top ? text : defaultText);
    } else {
        lineEdit->setText(defaultText);
    }
}

/*!
    \class DoubleValidator widgets/doublevalidator.h
    \brief A QValidator that keeps a QLineEdit to one decimal number in a range.

    The field accepts only numbers from \ref bottom to \ref top, both included,
    with at most \ref decimals digits after the point (always a "."), and lets
    the user type every beginning of such a number: with the range 5 to 100,
    "2" is accepted because "20" is in range. White space is refused.

    While the field holds no number it shows a placeholder, the \ref defaultText
    ("******" at first), which behaves as one unit: a click or the focus puts the
    cursor behind it, the arrow keys cannot move into it, one Backspace or
    Delete erases it whole, and a character typed before or behind it replaces
    it. Return, Enter and leaving the field rewrite the text to the number with
    exactly \ref decimals digits after the point, or back to the placeholder when
    the text is no number in the range.

    Create the validator with the line edit as its parent, so that it can watch
    the line edit's events, and hand it to QLineEdit::setValidator() as well.
    With a parent of any other kind it warns, and every validate() fails.
    Settings it refuses are reported with qWarning().

    \snippet widgetkitwindow.cpp doublevalidator
*/

/*!
    \property DoubleValidator::bottom
    \brief the lowest number accepted.

    Defaults to minus infinity. A value above \ref top is refused.
*/

/*!
    \property DoubleValidator::top
    \brief the highest number accepted.

    Defaults to infinity. A value below \ref bottom is refused.
*/

/*!
    \property DoubleValidator::decimals
    \brief the most digits accepted after the point, and the number of digits
    written after it when the field's number is committed.

    Defaults to 3. A negative value is refused.
*/

/*!
    \property DoubleValidator::defaultText
    \brief the placeholder the field shows while it holds no number.

    Defaults to "******". A text with a digit or a "." in it is refused, so that
    the placeholder can never pass for the beginning of a number. Changing it
    does not touch the field's text.
*/

/*!
    Constructs a validator for the line edit \a parent that accepts any number
    with at most 3 decimals.
*/
DoubleValidator::DoubleValidator(QObject *parent)
    : QValidator(parent)
    , d(std::make_unique<DoubleValidatorPrivate>(-std::numeric_limits<double>::infinity(),
                                                 std::numeric_limits<double>::infinity(), 3))
{
    attachToParent(this);
}

/*!
    Constructs a validator for the line edit \a parent that accepts numbers from
    \a bottom to \a top with at most \a decimals digits after the point. The
    values are taken as they are, unchecked.
*/
DoubleValidator::DoubleValidator(double bottom, double top, int decimals, QObject *parent)
    : QValidator(parent)
    , d(std::make_unique<DoubleValidatorPrivate>(bottom, top, decimals))
{
    attachToParent(this);
}

DoubleValidator::~DoubleValidator() = default;

/*!
    Sets the range to \a bottom to \a top and the number of decimals to
    \a decimals. A \a bottom above \a top is refused, and nothing changes; a
    negative \a decimals is refused, and only the range changes.
*/
void DoubleValidator::setRange(double bottom, double top, int decimals)
{
    // Written so that a NaN bound is refused too: nothing compares with it.
    if (!(bottom <= top)) {
        qWarning() << "DoubleValidator: Bottom is bigger than top" << bottom << top;
        return;
    }
    d->bottom = bottom;
    d->top = top;
    if (decimals >= 0)
        d->decimals = decimals;
    else
        qWarning() << "DoubleValidator: Ignore negative decimals" << decimals;
}

/*! Sets the \ref bottom property to \a value. */
void DoubleValidator::setBottom(double value)
{
    if (!(value <= d->top)) {
        qWarning() << "DoubleValidator: Bottom is bigger than top." << value;
        return;
    }
    setRange(value, d->top, d->decimals);
}

/*! Sets the \ref top property to \a value. */
void DoubleValidator::setTop(double value)
{
    if (!(value >= d->bottom)) {
        qWarning() << "DoubleValidator: Top is smaller than top." << value;
        return;
    }
    setRange(d->bottom, value, d->decimals);
}

/*! Sets the \ref decimals property to \a value. */
void DoubleValidator::setDecimals(int value)
{
    setRange(d->bottom, d->top, value);
}

/*! Sets the \ref defaultText property to \a text. */
void DoubleValidator::setDefaultText(const QString &text)
{
    for (const QChar c : text) {
        if (c.isDigit() || c == QLatin1Char('.')) {
            qWarning() << "DoubleValidator: Illegal char in a default text:" << c;
            return;
        }
    }
    d->defaultText = text;
}

/*! Returns the \ref bottom property. */
double DoubleValidator::bottom() const
{
    return d->bottom;
}

/*! Returns the \ref top property. */
double DoubleValidator::top() const
{
    return d->top;
}

/*! Returns the \ref decimals property. */
int DoubleValidator::decimals() const
{
    return d->decimals;
}

/*! Returns the \ref defaultText property. */
QString DoubleValidator::defaultText() const
{
    return d->defaultText;
}

/*!
    Returns Acceptable for the placeholder, for an empty \a input and for every
    number in the range, or beginning of one, with no more decimals than
    allowed; Invalid for anything else, never Intermediate. When \a input is the
    placeholder with a character typed before or behind it, \a input becomes
    that character alone; when an erase key removed a character of the
    placeholder, \a input becomes empty. \a pos is left as it is.
*/
QValidator::State DoubleValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);

    if (!qobject_cast<QLineEdit *>(parent())) {
        qWarning() << notALineEdit;
        return Invalid;
    }
    if (input == d->defaultText)
        return Acceptable;
    // One erase key on the placeholder erases all of it.
    if (d->previousText == d->defaultText && d->eraseKeyPressed) {
        input = QString();
        return Acceptable;
    }
    for (const QChar c : std::as_const(input)) {
        if (c.isSpace())
            return Invalid;
    }

    // A key typed while the placeholder was shown lands before or behind it;
    // what counts is the typed text alone.
    QString s = input;
    if (d->previousText == d->defaultText) {
        if (input.startsWith(d->defaultText))
            s = input.mid(d->defaultText.size());
        else if (input.endsWith(d->defaultText))
            s = input.left(input.size() - d->defaultText.size());
    }

    const auto accept = [&input, &s] {
        input = s;
        return Acceptable;
    };

    if (s.isEmpty())
        return Acceptable;
    if (s == QLatin1String("-"))
        return d->bottom < 0 ? accept() : Invalid;
    if (s.startsWith(QLatin1Char('.')) || s.startsWith(QLatin1String("-."))
        || hasLeadingZero(s)) {
        return Invalid;
    }

    // toDouble reads the C locale whatever the user's locale is, which is
    // what a field that always writes "." as the point needs.
    bool ok = false;
    const double v = s.toDouble(&ok);
    // "inf" and "nan" parse, but they are no numbers a user can mean.
    if (!ok || !std::isfinite(v))
        return Invalid;

    if (d->bottom <= v && v <= d->top)
        return d->fractionDigitsFit(s) ? accept() : Invalid;

    // Out of range: can more digits still bring the value into it, or is s
    // the beginning of the nearer bound's own text?
    if (v >= 1) {
        for (double m = v; m <= d->top; m *= 10) {
            if (m >= d->bottom)
                return accept();
            // Ten times infinity is infinity again; a NaN bottom is never met.
            if (std::isinf(m))
                break;
        }
        return d->formatValue(d->bottom).startsWith(s) ? accept() : Invalid;
    }
    if (v > 0) {
        if (v > d->top)
            return Invalid;
        return d->formatValue(d->bottom).startsWith(s) ? accept() : Invalid;
    }
    if (v <= -1) {
        for (double m = v; m >= d->bottom; m *= 10) {
            if (m <= d->top)
                return accept();
            if (std::isinf(m))
                break;
        }
        return d->formatValue(d->top).startsWith(s) ? accept() : Invalid;
    }
    if (v < 0) {
        if (v < d->bottom)
            return Invalid;
        return d->formatValue(d->top).startsWith(s) ? accept() : Invalid;
    }

    if (s == QLatin1String("0") || s == QLatin1String("0.")) {
        if (d->top < 0)
            return Invalid;
        return d->bottom < 1 ? accept() : Invalid;
    }
    if (s == QLatin1String("-0") || s == QLatin1String("-0.")) {
        if (d->bottom >= 0)
            return Invalid;
        return d->top > -1 ? accept() : Invalid;
    }
    // More zeros after the point can still lead to a number in range.
    return accept();
}

/*!
    Watches the parent line edit \a watched: after a click or when it gains
    the focus, puts the cursor behind the placeholder; on Return, Enter or the
    loss of the focus, commits the text; and returns true for an arrow key
    \a event while the field shows the placeholder, so that the cursor stays
    behind it. Every other event goes on to the line edit.
*/
bool DoubleValidator::eventFilter(QObject *watched, QEvent *event)
{
    d->eraseKeyPressed = false;
    d->previousText = QString();

    switch (event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::FocusIn:
        // Queued, so that the line edit has placed its cursor first.
        QMetaObject::invokeMethod(
            this,
            [this] { repairDefaultTextInput(qobject_cast<QLineEdit *>(parent()), d->defaultText); },
            Qt::QueuedConnection);
        return false;
    case QEvent::FocusOut:
        d->commitInput(qobject_cast<QLineEdit *>(parent()));
        return false;
    case QEvent::KeyPress:
        break;
    default:
        return false;
    }

    auto *lineEdit = qobject_cast<QLineEdit *>(watched);
    if (!lineEdit) {
        qWarning() << notALineEdit;
        return false;
    }
    d->previousText = lineEdit->text();

    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        d->eraseKeyPressed = true;
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        d->commitInput(qobject_cast<QLineEdit *>(parent()));
        return false;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        // Keep the cursor from walking into the placeholder.
        return lineEdit->text() == d->defaultText;
    default:
        return false;
    }
}
