// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgets/doublevalidator.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <QtTest>

#include <limits>

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
const QString placeholder = QStringLiteral("******");

} // namespace

class tst_DoubleValidator : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void validateFollowsRangeAndDecimals_data();
    void validateFollowsRangeAndDecimals();
    void keysEditAndCommitTheField_data();
    void keysEditAndCommitTheField();
    void settersWarnAndKeepOldValuesOnMisuse_data();
    void settersWarnAndKeepOldValuesOnMisuse();
};

void tst_DoubleValidator::init()
{
    // The field always writes "." as the point: a locale that writes a comma
    // must change nothing.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Every warning of the validator that a test provokes must be announced
    // with ignoreMessage; the platform's own chatter is no concern here.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^DoubleValidator")));
}

void tst_DoubleValidator::validateFollowsRangeAndDecimals_data()
{
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("acceptable");

    // Inputs are separated by '|'.
    const struct
    {
        double bottom;
        double top;
        int decimals;
        const char *acceptable;
        const char *invalid;
    } groups[] = {
        { -inf, inf, 3, "|******|-|0.|-0.|12.345|-12.5|123456789012345678901234567890",
          ".5|-.5|01|-05|12.3456|1,5|12a| 5|5\t|inf|nan|1e400" },
        { -inf, inf, 0, "12", "1." },
        { -inf, inf, 1, nullptr, "1.55" },
        { 5, 100, 3, "1|100|0.00", "101|150|0.5|0|-1" },
        { 50, 100, 3, "5", "2" },
        { 1.5, 1.7, 3, "1", "1.8" },
        { 0.25, 0.3, 3, "0.2", "0.4" },
        { -100, -50, 3, "-|-6", "-2|-101|-0|0" },
        { -1, -0.75, 3, "-0.8", "-0.5" },
        { 0, 10, 3, "-0", "-" },
        // A bound that is not a number is never met; the search for a
        // longer number in range must still come to an end.
        { qQNaN(), inf, 3, nullptr, "5" },
        { -inf, qQNaN(), 3, nullptr, "-5" },
    };
    for (const auto &g : groups) {
        for (const bool acceptable : { true, false }) {
            const char *inputs = acceptable ? g.acceptable : g.invalid;
            if (!inputs)
                continue;
            for (const QString &input : QString::fromLatin1(inputs).split(u'|')) {
                QTest::addRow("%g..%g, %d decimals: \"%s\"", g.bottom, g.top, g.decimals,
                              qPrintable(input))
                    << g.bottom << g.top << g.decimals << input << acceptable;
            }
        }
    }
}

void tst_DoubleValidator::validateFollowsRangeAndDecimals()
{
    QFETCH(double, bottom);
    QFETCH(double, top);
    QFETCH(int, decimals);
    QFETCH(QString, input);
    QFETCH(bool, acceptable);

    QLineEdit field;
    DoubleValidator validator(bottom, top, decimals, &field);
    QString text = input;
    int pos = int(text.size());
    QCOMPARE(validator.validate(text, pos),
             acceptable ? QValidator::Acceptable : QValidator::Invalid);
    // Outside a key press nothing is stripped, and the cursor is never moved.
    QCOMPARE(text, input);
    QCOMPARE(pos, int(input.size()));
}

// Keys are typed as they are, but for ^ < > # ~ (Home, Left, Right, Backspace,
// Delete), ! & (Return, keypad Enter), | (focus out), T (Tab from the other
// field) and @ (a click near the left edge); "paste " puts the rest in through
// the clipboard, and a leading P makes the text the placeholder. The text is
// set by the owner, which the validator does not stop ("inf").
void tst_DoubleValidator::keysEditAndCommitTheField_data()
{
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("cursor");

    const struct
    {
        const char *tag, *text, *keys, *expected;
        int cursor; // -1: at the end
        double bottom = -inf, top = inf;
        int decimals = 3;
    } rows[] = {
        { "digits behind", "******", "42.5", "42.5", -1 },
        { "digit before", "******", "^7", "7", -1 },
        { "minus behind", "******", "-", "-", -1 },
        { "letter behind", "******", "x", "******", -1 },
        { "backspace erases it whole", "******", "#", "", 0 },
        { "delete erases it whole", "******", "^~", "", 0 },
        { "backspace on a number", "123", "#", "12", -1 },
        { "left stays behind it", "******", "<", "******", -1 },
        { "right stays before it", "******", "^>", "******", 0 },
        { "left on a number", "123", "<", "123", 2 },
        { "click lands behind it", "******", "^@", "******", -1 },
        // Tab selects the whole text; the repair that follows undoes that.
        { "tab lands behind it", "******", "^T", "******", -1 },
        { "click on a number", "12345", "@", "12345", 0 },
        { "pasted number", "******", "paste 2.5", "2.5", -1 },
        { "pasted inf", "******", "paste inf", "******", -1 },
        { "pasted overflow", "******", "paste 1e999", "******", -1 },
        { "own placeholder", "n/a", "P3", "3", -1 },
        // White space is refused before the placeholder is stripped, so a
        // placeholder with spaces has to be erased before a number goes in.
        { "placeholder with spaces", "no value", "P^3", "no value", 0 },
        { "whole number", "12", "!", "12.000", -1 },
        { "negative", "-7.25", "&", "-7.25", -1, -inf, inf, 2 },
        { "negative zero", "-0", "|", "0.000", -1 },
        { "no decimals", "12", "!", "12", -1, -inf, inf, 0 },
        { "empty", "", "|", "******", -1 },
        { "minus", "-", "!", "******", -1 },
        { "below range", "4", "|", "******", -1, 5, 100 },
        { "above range", "150", "!", "******", -1, 5, 100 },
        { "range of one number", "5", "&", "5.0", -1, 5, 5, 1 },
        { "infinity", "inf", "!", "******", -1 },
        { "not a number", "nan", "|", "******", -1 },
        // Rounded to the decimals, these would be written outside the range.
        { "rounds below the bottom", "1.2345", "!", "******", -1, 1.2345, 10 },
        { "rounds to zero below a tiny bottom", "1e-5", "|", "******", -1, 1e-5, 1 },
        { "rounds inside the range", "1.2349", "!", "1.235", -1, 1.2341, 10 },
    };
    for (const auto &row : rows) {
        const QString expected = QString::fromLatin1(row.expected);
        QTest::newRow(row.tag) << row.bottom << row.top << row.decimals
                               << QString::fromLatin1(row.text) << QString::fromLatin1(row.keys)
                               << expected << (row.cursor < 0 ? int(expected.size()) : row.cursor);
    }
}

void tst_DoubleValidator::keysEditAndCommitTheField()
{
    QFETCH(double, bottom);
    QFETCH(double, top);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(int, cursor);

    // The validated field and a second one to move the focus to.
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *field = new QLineEdit(&window), *other = new QLineEdit(&window);
    layout->addWidget(field);
    layout->addWidget(other);
    auto *validator = new DoubleValidator(bottom, top, decimals, field);
    field->setValidator(validator);
    if (keys.startsWith(u'P')) {
        validator->setDefaultText(text);
        keys.remove(0, 1);
    }
    field->setText(text);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus(Qt::OtherFocusReason);
    // Clicks and focus changes queue a repair of the cursor; let it run.
    QCoreApplication::sendPostedEvents();
    if (keys.startsWith(QLatin1String("paste "))) {
        QGuiApplication::clipboard()->setText(keys.mid(6));
        keys = QStringLiteral("V");
    }
    const QHash<QChar, QKeyCombination> special {
        { u'^', Qt::Key_Home },
        { u'<', Qt::Key_Left },
        { u'>', Qt::Key_Right },
        { u'#', Qt::Key_Backspace },
        { u'~', Qt::Key_Delete },
        { u'!', Qt::Key_Return },
        { u'&', Qt::KeypadModifier | Qt::Key_Enter },
        { u'V', Qt::ControlModifier | Qt::Key_V },
    };
    for (const QChar key : std::as_const(keys)) {
        if (key == u'|' || key == u'T')
            other->setFocus(Qt::OtherFocusReason);
        if (key == u'T')
            QTest::keyClick(other, Qt::Key_Tab);
        else if (key == u'@')
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(3, field->height() / 2));
        else if (special.contains(key))
            QTest::keyClick(field, special[key].key(), special[key].keyboardModifiers());
        else if (key != u'|')
            QTest::keyClicks(field, key);
    }
    QCoreApplication::sendPostedEvents();
    QCOMPARE(field->text(), expected);
    QCOMPARE(field->cursorPosition(), cursor);
    QVERIFY(!field->hasSelectedText());
}

// Everything is set through the properties, which reach the public setters.
// A validator made without a range has the defaults; one made with a range
// takes it as given.
void tst_DoubleValidator::settersWarnAndKeepOldValuesOnMisuse_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("expected"); // bottom, top, decimals, default text

    // The validator starts at 1..5 with 2 decimals; setRange's and new's rows
    // are "bottom top decimals".
    const char *rows[][5] = {
        { "made without a range", "new", "", "", "-inf inf 3 ******" },
        { "made with any range", "new", "5 1 -2", "", "5 1 -2 ******" },
        { "range upside down", "setRange", "5 1 2", "Bottom is bigger than top 5 1",
          "1 5 2 ******" },
        { "range, decimals -1", "setRange", ".5 9 -1", "Ignore negative decimals -1",
          "0.5 9 2 ******" },
        { "range to a point", "setRange", "3 3 4", "", "3 3 4 ******" },
        { "range from NaN", "setRange", "nan 9 2", "Bottom is bigger than top nan 9",
          "1 5 2 ******" },
        { "bottom above top", "bottom", "7.5", "Bottom is bigger than top. 7.5", "1 5 2 ******" },
        { "bottom at top", "bottom", "5", "", "5 5 2 ******" },
        { "bottom NaN", "bottom", "nan", "Bottom is bigger than top. nan", "1 5 2 ******" },
        { "top below bottom", "top", "-3", "Top is smaller than top. -3", "1 5 2 ******" },
        { "top at bottom", "top", "1", "", "1 1 2 ******" },
        { "negative decimals", "decimals", "-2", "Ignore negative decimals -2", "1 5 2 ******" },
        { "zero decimals", "decimals", "0", "", "1 5 0 ******" },
        { "letters and slash", "defaultText", "n/a", "", "1 5 2 n/a" },
        { "letters and points", "defaultText", "n.a.", "Illegal char in a default text: '.'",
          "1 5 2 ******" },
        { "first offender reported", "defaultText", "ab7.c", "Illegal char in a default text: '7'",
          "1 5 2 ******" },
        { "arabic-indic digit", "defaultText", "x\u0663",
          "Illegal char in a default text: '\\u0663'", "1 5 2 ******" },
    };
    for (const auto &row : rows) {
        const QString warning = QString::fromUtf8(row[3]);
        QTest::newRow(row[0]) << QString::fromLatin1(row[1]) << QString::fromUtf8(row[2])
                              << (warning.isEmpty() ? warning : "DoubleValidator: " + warning)
                              << QString::fromUtf8(row[4]);
    }
}

void tst_DoubleValidator::settersWarnAndKeepOldValuesOnMisuse()
{
    QFETCH(QString, property);
    QFETCH(QString, value);
    QFETCH(QString, warning);
    QFETCH(QString, expected);

    QLineEdit field(placeholder);
    const QStringList f = value.split(u' ');
    const bool made = property == QLatin1String("new");
    auto *validator = !made ? new DoubleValidator(1, 5, 2, &field)
        : f.size() == 3
        ? new DoubleValidator(f[0].toDouble(), f[1].toDouble(), f[2].toInt(), &field)
        : new DoubleValidator(&field);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, warning.toUtf8().constData());
    if (property == QLatin1String("setRange"))
        validator->setRange(f[0].toDouble(), f[1].toDouble(), f[2].toInt());
    else if (!made) // the text is converted to the property's type on the way
        QVERIFY(validator->setProperty(property.toLatin1().constData(), value));
    const QString state = QStringLiteral("%1 %2 %3 %4")
                              .arg(validator->property("bottom").toDouble())
                              .arg(validator->property("top").toDouble())
                              .arg(validator->property("decimals").toInt())
                              .arg(validator->property("defaultText").toString());
    QCOMPARE(state, expected);
    // The field is the owner's business, and so is handing it the validator.
    QCOMPARE(field.text(), placeholder);
    QCOMPARE(field.validator(), nullptr);
}

QTEST_MAIN(tst_DoubleValidator)
#include "tst_doublevalidator.moc"
