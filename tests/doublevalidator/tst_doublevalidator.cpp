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
const char notALineEdit[] = "DoubleValidator: Parent is not a subclass of QLineEdit.";
const QString placeholder = QStringLiteral("******");

// A window with the validated field and a second field to move the focus to.
struct Form
{
    Form(double bottom, double top, int decimals)
    {
        auto *layout = new QVBoxLayout(&window);
        field = new QLineEdit(&window);
        other = new QLineEdit(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        validator = new DoubleValidator(bottom, top, decimals, field);
        field->setValidator(validator);
        field->setText(validator->defaultText());
    }

    bool showFocused()
    {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        field->setFocus(Qt::OtherFocusReason);
        return field->hasFocus();
    }

    QWidget window;
    QLineEdit *field = nullptr;
    QLineEdit *other = nullptr;
    DoubleValidator *validator = nullptr;
};

} // namespace

class tst_DoubleValidator : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultsAndUncheckedConstructorValues();
    void validateFollowsRangeAndDecimals_data();
    void validateFollowsRangeAndDecimals();
    void inputBesidePlaceholderReplacesIt_data();
    void inputBesidePlaceholderReplacesIt();
    void placeholderIsErasedWholeAndCursorKeptBehindIt_data();
    void placeholderIsErasedWholeAndCursorKeptBehindIt();
    void clickAndFocusPutCursorBehindPlaceholder();
    void commitRewritesField_data();
    void commitRewritesField();
    void settersWarnAndKeepOldValuesOnMisuse_data();
    void settersWarnAndKeepOldValuesOnMisuse();
    void defaultTextRejectsDigitsAndPoints_data();
    void defaultTextRejectsDigitsAndPoints();
    void withoutLineEditParentEverythingFails();
};

void tst_DoubleValidator::init()
{
    // Every warning of the validator that a test provokes must be announced
    // with ignoreMessage; the platform's own chatter is no concern here.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^DoubleValidator")));
}

void tst_DoubleValidator::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void tst_DoubleValidator::defaultsAndUncheckedConstructorValues()
{
    QLineEdit field;
    DoubleValidator defaults(&field);
    QCOMPARE(defaults.bottom(), -inf);
    QCOMPARE(defaults.top(), inf);
    QCOMPARE(defaults.decimals(), 3);
    QCOMPARE(defaults.defaultText(), placeholder);
    // The owner hands the validator to the field, not the validator itself.
    QCOMPARE(field.validator(), nullptr);

    DoubleValidator unchecked(5, 1, -2, &field);
    QCOMPARE(unchecked.bottom(), 5.0);
    QCOMPARE(unchecked.top(), 1.0);
    QCOMPARE(unchecked.decimals(), -2);
    QCOMPARE(unchecked.defaultText(), placeholder);
}

void tst_DoubleValidator::validateFollowsRangeAndDecimals_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("acceptable");

    struct Row
    {
        const char *tag;
        double bottom;
        double top;
        int decimals;
        const char *input;
        bool acceptable;
    };
    const Row rows[] = {
        { "any: empty", -inf, inf, 3, "", true },
        { "any: placeholder", -inf, inf, 3, "******", true },
        { "any: minus", -inf, inf, 3, "-", true },
        { "any: point five", -inf, inf, 3, ".5", false },
        { "any: minus point five", -inf, inf, 3, "-.5", false },
        { "any: 01", -inf, inf, 3, "01", false },
        { "any: 00", -inf, inf, 3, "00", false },
        { "any: -05", -inf, inf, 3, "-05", false },
        { "any: 0.", -inf, inf, 3, "0.", true },
        { "any: -0.", -inf, inf, 3, "-0.", true },
        { "any: 12.345", -inf, inf, 3, "12.345", true },
        { "any: 12.3456", -inf, inf, 3, "12.3456", false },
        { "any: -12.5", -inf, inf, 3, "-12.5", true },
        { "any: comma", -inf, inf, 3, "1,5", false },
        { "any: trailing letter", -inf, inf, 3, "12a", false },
        { "any: leading space", -inf, inf, 3, " 5", false },
        { "any: tab", -inf, inf, 3, "5\t", false },
        { "any: inf", -inf, inf, 3, "inf", false },
        { "any: -inf", -inf, inf, 3, "-inf", false },
        { "any: nan", -inf, inf, 3, "nan", false },
        { "any: overflow", -inf, inf, 3, "1e400", false },
        { "any: huge", -inf, inf, 3, "123456789012345678901234567890", true },
        { "decimals 0: 12", -inf, inf, 0, "12", true },
        { "decimals 0: 1.", -inf, inf, 0, "1.", false },
        { "decimals 1: 1.55", -inf, inf, 1, "1.55", false },
        { "5..100: 1", 5, 100, 3, "1", true },
        { "5..100: 0.5", 5, 100, 3, "0.5", false },
        { "5..100: 0", 5, 100, 3, "0", false },
        { "5..100: 0.", 5, 100, 3, "0.", false },
        { "5..100: 0.00", 5, 100, 3, "0.00", true },
        { "5..100: -0", 5, 100, 3, "-0", false },
        { "5..100: -1", 5, 100, 3, "-1", false },
        { "50..100: 1", 50, 100, 3, "1", true },
        { "50..100: 2", 50, 100, 3, "2", false },
        { "50..100: 5", 50, 100, 3, "5", true },
        { "1.5..1.7: 1", 1.5, 1.7, 3, "1", true },
        { "0.25..0.3: 0", 0.25, 0.3, 3, "0", true },
        { "0.25..0.3: 0.2", 0.25, 0.3, 3, "0.2", true },
        { "0.25..0.3: 0.1", 0.25, 0.3, 3, "0.1", false },
        { "-100..-50: minus", -100, -50, 3, "-", true },
        { "-100..-50: -1", -100, -50, 3, "-1", true },
        { "-100..-50: -2", -100, -50, 3, "-2", false },
        { "-100..-50: -0", -100, -50, 3, "-0", false },
        { "-100..-50: -0.", -100, -50, 3, "-0.", false },
        { "-100..-50: 0", -100, -50, 3, "0", false },
        { "-1.7..-1.5: -1", -1.7, -1.5, 3, "-1", true },
        { "-1..-0.75: -0.7", -1, -0.75, 3, "-0.7", true },
        { "-1..-0.75: -0.5", -1, -0.75, 3, "-0.5", false },
        { "-1..-0.75: -0", -1, -0.75, 3, "-0", true },
        { "0..10: minus", 0, 10, 3, "-", false },
        { "0..10: -0", 0, 10, 3, "-0", true },
        // A bound that is not a number is never met; the search for a
        // longer number in range must still come to an end.
        { "NaN bottom: 5", qQNaN(), inf, 3, "5", false },
        { "NaN top: -5", -inf, qQNaN(), 3, "-5", false },
    };
    for (const char *locale : { "C", "de_DE" }) {
        for (const Row &row : rows) {
            QTest::addRow("%s: %s", locale, row.tag)
                << QString::fromLatin1(locale) << row.bottom << row.top << row.decimals
                << QString::fromLatin1(row.input) << row.acceptable;
        }
    }
}

void tst_DoubleValidator::validateFollowsRangeAndDecimals()
{
    QFETCH(QString, locale);
    QFETCH(double, bottom);
    QFETCH(double, top);
    QFETCH(int, decimals);
    QFETCH(QString, input);
    QFETCH(bool, acceptable);

    QLocale::setDefault(QLocale(locale));
    QLineEdit field;
    DoubleValidator validator(bottom, top, decimals, &field);
    QString text = input;
    int pos = int(text.size());
    const QValidator::State expected = acceptable ? QValidator::Acceptable : QValidator::Invalid;
    QCOMPARE(validator.validate(text, pos), expected);
    // Outside a key press nothing is stripped, and the cursor is never moved.
    QCOMPARE(text, input);
    QCOMPARE(pos, int(input.size()));
}

void tst_DoubleValidator::inputBesidePlaceholderReplacesIt_data()
{
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    const char *rows[][5] = {
        { "digits behind", "******", "type", "42.5", "42.5" },
        { "digit before", "******", "type at start", "7", "7" },
        { "minus behind", "******", "type", "-", "-" },
        { "letter behind", "******", "type", "x", "******" },
        { "own placeholder", "n/a", "type", "3", "3" },
        // White space is refused before the placeholder is stripped, so a
        // placeholder with spaces has to be erased before a number goes in.
        { "placeholder with spaces", "no value", "type at start", "3", "no value" },
        { "pasted number", "******", "paste", "2.5", "2.5" },
        { "pasted inf", "******", "paste", "inf", "******" },
        { "pasted -inf", "******", "paste", "-inf", "******" },
        { "pasted nan", "******", "paste", "nan", "******" },
        { "pasted overflow", "******", "paste", "1e999", "******" },
    };
    for (const auto &row : rows) {
        QTest::newRow(row[0]) << QString::fromLatin1(row[1]) << QString::fromLatin1(row[2])
                              << QString::fromLatin1(row[3]) << QString::fromLatin1(row[4]);
    }
}

void tst_DoubleValidator::inputBesidePlaceholderReplacesIt()
{
    QFETCH(QString, defaultText);
    QFETCH(QString, how);
    QFETCH(QString, input);
    QFETCH(QString, expected);

    Form form(-inf, inf, 3);
    form.validator->setDefaultText(defaultText);
    form.field->setText(defaultText);
    QVERIFY(form.showFocused());
    if (how == QLatin1String("paste")) {
        QGuiApplication::clipboard()->setText(input);
        QTest::keyClick(form.field, Qt::Key_V, Qt::ControlModifier);
    } else {
        if (how == QLatin1String("type at start"))
            QTest::keyClick(form.field, Qt::Key_Home);
        QTest::keyClicks(form.field, input);
    }
    QCOMPARE(form.field->text(), expected);
}

void tst_DoubleValidator::placeholderIsErasedWholeAndCursorKeptBehindIt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<int>("expectedCursor");

    QTest::newRow("backspace on placeholder") << placeholder << 6 << Qt::Key_Backspace << "" << 0;
    QTest::newRow("delete on placeholder") << placeholder << 0 << Qt::Key_Delete << "" << 0;
    QTest::newRow("backspace on number") << "123" << 3 << Qt::Key_Backspace << "12" << 2;
    QTest::newRow("left on placeholder") << placeholder << 6 << Qt::Key_Left << placeholder << 6;
    QTest::newRow("right on placeholder") << placeholder << 0 << Qt::Key_Right << placeholder << 0;
    QTest::newRow("left on number") << "123" << 3 << Qt::Key_Left << "123" << 2;
}

void tst_DoubleValidator::placeholderIsErasedWholeAndCursorKeptBehindIt()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(Qt::Key, key);
    QFETCH(QString, expectedText);
    QFETCH(int, expectedCursor);

    Form form(-inf, inf, 3);
    form.field->setText(text);
    QVERIFY(form.showFocused());
    // Let the repair queued by the focus change run before placing the cursor.
    QTRY_COMPARE(form.field->cursorPosition(), int(text.size()));
    form.field->setCursorPosition(start);
    QTest::keyClick(form.field, key);
    QCOMPARE(form.field->text(), expectedText);
    QCOMPARE(form.field->cursorPosition(), expectedCursor);
}

void tst_DoubleValidator::clickAndFocusPutCursorBehindPlaceholder()
{
    Form form(-inf, inf, 3);
    QVERIFY(form.showFocused());
    form.other->setFocus(Qt::OtherFocusReason);
    QCOMPARE(form.field->text(), placeholder);

    form.field->setCursorPosition(0);
    QTest::keyClick(form.other, Qt::Key_Tab);
    QVERIFY(form.field->hasFocus());
    // Tab selects the whole text; the repair that follows undoes that.
    QTRY_VERIFY(!form.field->hasSelectedText());
    QCOMPARE(form.field->cursorPosition(), 6);

    QTest::mouseClick(form.field, Qt::LeftButton, {}, QPoint(4, form.field->height() / 2));
    QTRY_COMPARE(form.field->cursorPosition(), 6);
    QVERIFY(!form.field->hasSelectedText());

    // A number is not a placeholder: the click leaves the cursor where it fell.
    form.field->setText(QStringLiteral("12345"));
    QTest::mouseClick(form.field, Qt::LeftButton, {}, QPoint(2, form.field->height() / 2));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(form.field->cursorPosition(), 0);
}

void tst_DoubleValidator::commitRewritesField_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    struct Row
    {
        const char *tag;
        double bottom;
        double top;
        int decimals;
        const char *text;
        const char *expected;
    };
    const Row rows[] = {
        { "whole number", -inf, inf, 3, "12", "12.000" },
        { "negative", -inf, inf, 2, "-7.25", "-7.25" },
        { "negative zero", -inf, inf, 3, "-0", "0.000" },
        { "no decimals", -inf, inf, 0, "12", "12" },
        { "empty", -inf, inf, 3, "", "******" },
        { "below range", 5, 100, 3, "4", "******" },
        { "range of one number", 5, 5, 1, "5", "5.0" },
        { "infinity", -inf, inf, 3, "inf", "******" },
        { "not a number", -inf, inf, 3, "nan", "******" },
        // Rounded to the decimals, these would be written outside the range.
        { "rounds below the bottom", 1.2345, 10, 3, "1.2345", "******" },
        { "rounds to zero below a tiny bottom", 1e-5, 1, 3, "1e-5", "******" },
        { "rounds inside the range", 1.2341, 10, 3, "1.2349", "1.235" },
    };
    for (const char *locale : { "C", "de_DE" }) {
        for (const Row &row : rows) {
            QTest::addRow("%s: %s", locale, row.tag)
                << QString::fromLatin1(locale) << row.bottom << row.top << row.decimals
                << QString::fromLatin1(row.text) << QString::fromLatin1(row.expected);
        }
    }
}

void tst_DoubleValidator::commitRewritesField()
{
    QFETCH(QString, locale);
    QFETCH(double, bottom);
    QFETCH(double, top);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    QLocale::setDefault(QLocale(locale));
    Form form(bottom, top, decimals);
    QVERIFY(form.showFocused());

    // setText does not stop at the validator, which is how a text that no
    // key press could produce ("inf") gets into the field.
    form.field->setText(text);
    QTest::keyClick(form.field, Qt::Key_Return);
    QCOMPARE(form.field->text(), expected);

    form.field->setText(text);
    QTest::keyClick(form.field, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(form.field->text(), expected);

    form.field->setText(text);
    form.other->setFocus(Qt::OtherFocusReason);
    QVERIFY(!form.field->hasFocus());
    QCOMPARE(form.field->text(), expected);
}

// Bottom, top and decimals are set through their properties, which reach the
// public setters and so test both.
void tst_DoubleValidator::settersWarnAndKeepOldValuesOnMisuse_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<double>("expectedBottom");
    QTest::addColumn<double>("expectedTop");
    QTest::addColumn<int>("expectedDecimals");

    struct Row
    {
        const char *tag;
        const char *call;
        double bottom;
        double top;
        int decimals;
        const char *warning;
        double expectedBottom;
        double expectedTop;
        int expectedDecimals;
    };
    // The validator starts at 1..5 with 2 decimals.
    const Row rows[] = {
        { "range upside down", "setRange", 5, 1, 2, "Bottom is bigger than top 5 1", 1, 5, 2 },
        { "range, decimals -1", "setRange", .5, 9, -1, "Ignore negative decimals -1", .5, 9, 2 },
        { "range to a point", "setRange", 3, 3, 4, "", 3, 3, 4 },
        { "range from NaN", "setRange", qQNaN(), 9, 2, "Bottom is bigger than top nan 9", 1, 5, 2 },
        { "bottom above top", "bottom", 7.5, 0, 0, "Bottom is bigger than top. 7.5", 1, 5, 2 },
        { "bottom at top", "bottom", 5, 0, 0, "", 5, 5, 2 },
        { "bottom NaN", "bottom", qQNaN(), 0, 0, "Bottom is bigger than top. nan", 1, 5, 2 },
        { "top below bottom", "top", 0, -3, 0, "Top is smaller than top. -3", 1, 5, 2 },
        { "top at bottom", "top", 0, 1, 0, "", 1, 1, 2 },
        { "top NaN", "top", 0, qQNaN(), 0, "Top is smaller than top. nan", 1, 5, 2 },
        { "negative decimals", "decimals", 0, 0, -2, "Ignore negative decimals -2", 1, 5, 2 },
        { "zero decimals", "decimals", 0, 0, 0, "", 1, 5, 0 },
    };
    for (const Row &row : rows) {
        const QString warning = QString::fromLatin1(row.warning);
        QTest::newRow(row.tag) << QString::fromLatin1(row.call) << row.bottom << row.top
                               << row.decimals
                               << (warning.isEmpty() ? warning : "DoubleValidator: " + warning)
                               << row.expectedBottom << row.expectedTop << row.expectedDecimals;
    }
}

void tst_DoubleValidator::settersWarnAndKeepOldValuesOnMisuse()
{
    QFETCH(QString, call);
    QFETCH(double, bottom);
    QFETCH(double, top);
    QFETCH(int, decimals);
    QFETCH(QString, warning);
    QFETCH(double, expectedBottom);
    QFETCH(double, expectedTop);
    QFETCH(int, expectedDecimals);

    QLineEdit field;
    DoubleValidator validator(1, 5, 2, &field);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, warning.toUtf8().constData());
    if (call == QLatin1String("setRange")) {
        validator.setRange(bottom, top, decimals);
    } else {
        const QVariant value = call == QLatin1String("bottom") ? QVariant(bottom)
            : call == QLatin1String("top")                     ? QVariant(top)
                                                               : QVariant(decimals);
        QVERIFY(validator.setProperty(call.toLatin1().constData(), value));
    }
    QCOMPARE(validator.property("bottom").toDouble(), expectedBottom);
    QCOMPARE(validator.property("top").toDouble(), expectedTop);
    QCOMPARE(validator.property("decimals").toInt(), expectedDecimals);
}

// Set through the property, which reaches the public setter.
void tst_DoubleValidator::defaultTextRejectsDigitsAndPoints_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("offender");

    QTest::newRow("letters and slash") << QStringLiteral("n/a") << "";
    QTest::newRow("letters and points") << QStringLiteral("n.a.") << "'.'";
    QTest::newRow("first offender reported") << QStringLiteral("ab7.c") << "'7'";
    QTest::newRow("arabic-indic digit") << QStringLiteral("x\u0663") << "'\\u0663'";
}

void tst_DoubleValidator::defaultTextRejectsDigitsAndPoints()
{
    QFETCH(QString, text);
    QFETCH(QString, offender);

    QLineEdit field;
    DoubleValidator validator(&field);
    field.setText(placeholder);
    if (!offender.isEmpty()) {
        const QString warning = "DoubleValidator: Illegal char in a default text: " + offender;
        QTest::ignoreMessage(QtWarningMsg, warning.toUtf8().constData());
    }
    QVERIFY(validator.setProperty("defaultText", text));
    QCOMPARE(validator.property("defaultText").toString(), offender.isEmpty() ? text : placeholder);
    QCOMPARE(field.text(), placeholder);
}

void tst_DoubleValidator::withoutLineEditParentEverythingFails()
{
    QWidget notAField;
    QTest::ignoreMessage(QtWarningMsg, notALineEdit);
    DoubleValidator validator(&notAField);

    QString text = QStringLiteral("5");
    int pos = 1;
    QTest::ignoreMessage(QtWarningMsg, notALineEdit);
    QCOMPARE(validator.validate(text, pos), QValidator::Invalid);

    // A field using a validator that belongs elsewhere takes no keystroke.
    QLineEdit field;
    field.setValidator(&validator);
    QTest::ignoreMessage(QtWarningMsg, notALineEdit);
    QTest::keyClick(&field, Qt::Key_5);
    QCOMPARE(field.text(), QString());

    // Watching something that is no line edit: key presses pass unfiltered.
    QLineEdit owner;
    DoubleValidator watcher(&owner);
    notAField.installEventFilter(&watcher);
    QTest::ignoreMessage(QtWarningMsg, notALineEdit);
    QTest::keyClick(&notAField, Qt::Key_A);
}

QTEST_MAIN(tst_DoubleValidator)
#include "tst_doublevalidator.moc"
