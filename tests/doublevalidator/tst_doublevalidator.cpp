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

    void shouldHaveDefaultValues();
    void constructorTakesValuesUnchecked();
    void validateFollowsRangeAndDecimals_data();
    void validateFollowsRangeAndDecimals();
    void typingBesidePlaceholderReplacesIt_data();
    void typingBesidePlaceholderReplacesIt();
    void eraseKeyRemovesWholePlaceholder_data();
    void eraseKeyRemovesWholePlaceholder();
    void arrowKeysCannotEnterPlaceholder_data();
    void arrowKeysCannotEnterPlaceholder();
    void clickAndFocusPutCursorBehindPlaceholder();
    void pastedNonFiniteTextIsRejected_data();
    void pastedNonFiniteTextIsRejected();
    void commitRewritesField_data();
    void commitRewritesField();
    void narrowedRangeCommitsPlaceholder();
    void settersWarnAndKeepOldValuesOnMisuse_data();
    void settersWarnAndKeepOldValuesOnMisuse();
    void propertiesGoThroughSetters();
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

void tst_DoubleValidator::shouldHaveDefaultValues()
{
    QLineEdit field;
    DoubleValidator validator(&field);
    QCOMPARE(validator.bottom(), -inf);
    QCOMPARE(validator.top(), inf);
    QCOMPARE(validator.decimals(), 3);
    QCOMPARE(validator.defaultText(), placeholder);
    QCOMPARE(validator.parent(), &field);
    QCOMPARE(field.validator(), nullptr);
}

void tst_DoubleValidator::constructorTakesValuesUnchecked()
{
    QLineEdit field;
    DoubleValidator validator(5, 1, -2, &field);
    QCOMPARE(validator.bottom(), 5.0);
    QCOMPARE(validator.top(), 1.0);
    QCOMPARE(validator.decimals(), -2);
    QCOMPARE(validator.defaultText(), placeholder);
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
        {"any: empty", -inf, inf, 3, "", true},
        {"any: placeholder", -inf, inf, 3, "******", true},
        {"any: minus", -inf, inf, 3, "-", true},
        {"any: point", -inf, inf, 3, ".", false},
        {"any: minus point", -inf, inf, 3, "-.", false},
        {"any: point five", -inf, inf, 3, ".5", false},
        {"any: 01", -inf, inf, 3, "01", false},
        {"any: 00", -inf, inf, 3, "00", false},
        {"any: -05", -inf, inf, 3, "-05", false},
        {"any: 0", -inf, inf, 3, "0", true},
        {"any: 0.", -inf, inf, 3, "0.", true},
        {"any: -0", -inf, inf, 3, "-0", true},
        {"any: -0.", -inf, inf, 3, "-0.", true},
        {"any: 10", -inf, inf, 3, "10", true},
        {"any: 12.345", -inf, inf, 3, "12.345", true},
        {"any: 12.3456", -inf, inf, 3, "12.3456", false},
        {"any: 0.000", -inf, inf, 3, "0.000", true},
        {"any: 0.0000", -inf, inf, 3, "0.0000", false},
        {"any: -12.5", -inf, inf, 3, "-12.5", true},
        {"any: comma", -inf, inf, 3, "1,5", false},
        {"any: two points", -inf, inf, 3, "1.2.3", false},
        {"any: letter", -inf, inf, 3, "a", false},
        {"any: trailing letter", -inf, inf, 3, "12a", false},
        {"any: inner space", -inf, inf, 3, "1 2", false},
        {"any: leading space", -inf, inf, 3, " 5", false},
        {"any: tab", -inf, inf, 3, "5\t", false},
        {"any: inf", -inf, inf, 3, "inf", false},
        {"any: -inf", -inf, inf, 3, "-inf", false},
        {"any: nan", -inf, inf, 3, "nan", false},
        {"any: NaN", -inf, inf, 3, "NaN", false},
        {"any: overflow", -inf, inf, 3, "1e400", false},
        {"any: huge", -inf, inf, 3, "123456789012345678901234567890", true},
        {"decimals 0: 12", -inf, inf, 0, "12", true},
        {"decimals 0: 1.", -inf, inf, 0, "1.", false},
        {"decimals 0: 1.5", -inf, inf, 0, "1.5", false},
        {"decimals 0: 0.", -inf, inf, 0, "0.", false},
        {"decimals 1: 1.5", -inf, inf, 1, "1.5", true},
        {"decimals 1: 1.55", -inf, inf, 1, "1.55", false},
        {"5..100: 1", 5, 100, 3, "1", true},
        {"5..100: 2", 5, 100, 3, "2", true},
        {"5..100: 4", 5, 100, 3, "4", true},
        {"5..100: 5", 5, 100, 3, "5", true},
        {"5..100: 100", 5, 100, 3, "100", true},
        {"5..100: 100.5", 5, 100, 3, "100.5", false},
        {"5..100: 0.5", 5, 100, 3, "0.5", false},
        {"5..100: 150", 5, 100, 3, "150", false},
        {"5..100: 0", 5, 100, 3, "0", false},
        {"5..100: 0.", 5, 100, 3, "0.", false},
        {"5..100: 0.00", 5, 100, 3, "0.00", true},
        {"5..100: minus", 5, 100, 3, "-", false},
        {"5..100: -0", 5, 100, 3, "-0", false},
        {"5..100: -1", 5, 100, 3, "-1", false},
        {"5..100: 5.1234", 5, 100, 3, "5.1234", false},
        {"50..100: 2", 50, 100, 3, "2", false},
        {"50..100: 1", 50, 100, 3, "1", true},
        {"50..100: 5", 50, 100, 3, "5", true},
        {"50..100: 9", 50, 100, 3, "9", true},
        {"50..100: 49", 50, 100, 3, "49", false},
        {"50..100: 101", 50, 100, 3, "101", false},
        {"1.5..1.7: 1", 1.5, 1.7, 3, "1", true},
        {"1.5..1.7: 1.", 1.5, 1.7, 3, "1.", true},
        {"1.5..1.7: 1.6", 1.5, 1.7, 3, "1.6", true},
        {"1.5..1.7: 1.4", 1.5, 1.7, 3, "1.4", false},
        {"1.5..1.7: 1.8", 1.5, 1.7, 3, "1.8", false},
        {"1.5..1.7: 2", 1.5, 1.7, 3, "2", false},
        {"1.5..1.7: 1.6543", 1.5, 1.7, 3, "1.6543", false},
        {"0.25..0.3: 0", 0.25, 0.3, 3, "0", true},
        {"0.25..0.3: 0.2", 0.25, 0.3, 3, "0.2", true},
        {"0.25..0.3: 0.25", 0.25, 0.3, 3, "0.25", true},
        {"0.25..0.3: 0.1", 0.25, 0.3, 3, "0.1", false},
        {"0.25..0.3: 0.4", 0.25, 0.3, 3, "0.4", false},
        {"0.25..0.3: 1", 0.25, 0.3, 3, "1", false},
        {"-100..-50: minus", -100, -50, 3, "-", true},
        {"-100..-50: -6", -100, -50, 3, "-6", true},
        {"-100..-50: -1", -100, -50, 3, "-1", true},
        {"-100..-50: -2", -100, -50, 3, "-2", false},
        {"-100..-50: -75", -100, -50, 3, "-75", true},
        {"-100..-50: -101", -100, -50, 3, "-101", false},
        {"-100..-50: -0", -100, -50, 3, "-0", false},
        {"-100..-50: -0.", -100, -50, 3, "-0.", false},
        {"-100..-50: 0", -100, -50, 3, "0", false},
        {"-100..-50: 5", -100, -50, 3, "5", false},
        {"-1..-0.7: -0.8", -1, -0.7, 3, "-0.8", true},
        {"-1..-0.7: -0.75", -1, -0.7, 3, "-0.75", true},
        {"-1..-0.7: -0.5", -1, -0.7, 3, "-0.5", false},
        {"-1..-0.7: -0", -1, -0.7, 3, "-0", true},
        {"-1..-0.7: -1", -1, -0.7, 3, "-1", true},
        {"-1..-0.7: -1.5", -1, -0.7, 3, "-1.5", false},
        {"0..10: minus", 0, 10, 3, "-", false},
        {"0..10: -0", 0, 10, 3, "-0", true},
        {"0..10: -0.", 0, 10, 3, "-0.", true},
        {"0..10: -1", 0, 10, 3, "-1", false},
        {"0..10: 10.001", 0, 10, 3, "10.001", false},
        {"7..7: 7.000", 7, 7, 3, "7.000", true},
        {"7..7: 0.7", 7, 7, 3, "0.7", false},
        {"7..7: 8", 7, 7, 3, "8", false},
        {"below 5: 6", -inf, 5, 3, "6", false},
        {"below 5: -1000000", -inf, 5, 3, "-1000000", true},
        {"above -5: -6", -5, inf, 3, "-6", false},
        {"above -5: 123456", -5, inf, 3, "123456", true},
        // A bound that is not a number is never met; the search for a
        // longer number in range must still come to an end.
        {"NaN bottom: 5", qQNaN(), inf, 3, "5", false},
        {"NaN top: -5", -inf, qQNaN(), 3, "-5", false},
    };
    for (const char *locale : {"C", "de_DE"}) {
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

void tst_DoubleValidator::typingBesidePlaceholderReplacesIt_data()
{
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<bool>("typeBefore");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("digit behind") << -inf << inf << placeholder << false << "7" << "7";
    QTest::newRow("digit before") << -inf << inf << placeholder << true << "7" << "7";
    QTest::newRow("minus behind") << -inf << inf << placeholder << false << "-" << "-";
    QTest::newRow("minus, nothing negative") << 0.0 << 10.0 << placeholder << false << "-"
                                             << placeholder;
    QTest::newRow("letter behind") << -inf << inf << placeholder << false << "x" << placeholder;
    QTest::newRow("letter before") << -inf << inf << placeholder << true << "x" << placeholder;
    QTest::newRow("point behind") << -inf << inf << placeholder << false << "." << placeholder;
    QTest::newRow("space behind") << -inf << inf << placeholder << false << " " << placeholder;
    QTest::newRow("digit out of reach") << 50.0 << 100.0 << placeholder << false << "2"
                                        << placeholder;
    QTest::newRow("digit in reach") << 50.0 << 100.0 << placeholder << false << "9" << "9";
    QTest::newRow("digits then more") << -inf << inf << placeholder << false << "42.5" << "42.5";
    QTest::newRow("own placeholder") << -inf << inf << QStringLiteral("n/a") << false << "3"
                                     << "3";
    // White space is refused before the placeholder is stripped, so a
    // placeholder with spaces has to be erased before a number goes in.
    QTest::newRow("placeholder with spaces")
            << -inf << inf << QStringLiteral("no value") << true << "3" << "no value";
}

void tst_DoubleValidator::typingBesidePlaceholderReplacesIt()
{
    QFETCH(double, bottom);
    QFETCH(double, top);
    QFETCH(QString, defaultText);
    QFETCH(bool, typeBefore);
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    Form form(bottom, top, 3);
    form.validator->setDefaultText(defaultText);
    form.field->setText(defaultText);
    QVERIFY(form.showFocused());
    if (typeBefore)
        QTest::keyClick(form.field, Qt::Key_Home);
    QTest::keyClicks(form.field, typed);
    QCOMPARE(form.field->text(), expected);
}

void tst_DoubleValidator::eraseKeyRemovesWholePlaceholder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fromStart");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("backspace on placeholder") << placeholder << false << Qt::Key_Backspace << "";
    QTest::newRow("delete on placeholder") << placeholder << true << Qt::Key_Delete << "";
    QTest::newRow("backspace on number") << "123" << false << Qt::Key_Backspace << "12";
    QTest::newRow("delete on number") << "123" << true << Qt::Key_Delete << "23";
}

void tst_DoubleValidator::eraseKeyRemovesWholePlaceholder()
{
    QFETCH(QString, text);
    QFETCH(bool, fromStart);
    QFETCH(Qt::Key, key);
    QFETCH(QString, expected);

    Form form(-inf, inf, 3);
    form.field->setText(text);
    QVERIFY(form.showFocused());
    if (fromStart)
        QTest::keyClick(form.field, Qt::Key_Home);
    QTest::keyClick(form.field, key);
    QCOMPARE(form.field->text(), expected);
}

void tst_DoubleValidator::arrowKeysCannotEnterPlaceholder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("expected");

    QTest::newRow("left on placeholder") << placeholder << 6 << Qt::Key_Left << 6;
    QTest::newRow("up on placeholder") << placeholder << 6 << Qt::Key_Up << 6;
    QTest::newRow("right on placeholder") << placeholder << 0 << Qt::Key_Right << 0;
    QTest::newRow("down on placeholder") << placeholder << 0 << Qt::Key_Down << 0;
    QTest::newRow("left on number") << "123" << 3 << Qt::Key_Left << 2;
    QTest::newRow("right on number") << "123" << 0 << Qt::Key_Right << 1;
}

void tst_DoubleValidator::arrowKeysCannotEnterPlaceholder()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(Qt::Key, key);
    QFETCH(int, expected);

    Form form(-inf, inf, 3);
    form.field->setText(text);
    QVERIFY(form.showFocused());
    // Let the repair queued by the focus change run before placing the cursor.
    QTRY_COMPARE(form.field->cursorPosition(), int(text.size()));
    form.field->setCursorPosition(start);
    QTest::keyClick(form.field, key);
    QCOMPARE(form.field->cursorPosition(), expected);
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

void tst_DoubleValidator::pastedNonFiniteTextIsRejected_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("expected");

    QTest::newRow("inf") << "inf" << placeholder;
    QTest::newRow("-inf") << "-inf" << placeholder;
    QTest::newRow("nan") << "nan" << placeholder;
    QTest::newRow("overflow") << "1e999" << placeholder;
    QTest::newRow("number") << "2.5" << "2.5";
}

void tst_DoubleValidator::pastedNonFiniteTextIsRejected()
{
    QFETCH(QString, pasted);
    QFETCH(QString, expected);

    Form form(-inf, inf, 3);
    QVERIFY(form.showFocused());
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(form.field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form.field->text(), expected);
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
        {"whole number", -inf, inf, 3, "12", "12.000"},
        {"fraction", -inf, inf, 3, "12.5", "12.500"},
        {"point", -inf, inf, 3, "3.", "3.000"},
        {"negative", -inf, inf, 2, "-7.25", "-7.25"},
        {"negative zero", -inf, inf, 3, "-0", "0.000"},
        {"no decimals", -inf, inf, 0, "12", "12"},
        {"empty", -inf, inf, 3, "", "******"},
        {"lone minus", -inf, inf, 3, "-", "******"},
        {"below range", 5, 100, 3, "4", "******"},
        {"bottom", 5, 100, 1, "5", "5.0"},
        {"placeholder", -inf, inf, 3, "******", "******"},
        {"infinity", -inf, inf, 3, "inf", "******"},
        {"not a number", -inf, inf, 3, "nan", "******"},
        // Rounded to the decimals, these would be written outside the range.
        {"rounds below the bottom", 1.2345, 10, 3, "1.2345", "******"},
        {"rounds to zero below a tiny bottom", 1e-5, 1, 3, "1e-5", "******"},
        {"rounds inside the range", 1.2341, 10, 3, "1.2349", "1.235"},
    };
    for (const char *locale : {"C", "de_DE"}) {
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

void tst_DoubleValidator::narrowedRangeCommitsPlaceholder()
{
    Form form(-inf, inf, 3);
    QVERIFY(form.showFocused());
    QTest::keyClick(form.field, Qt::Key_Backspace);
    QTest::keyClicks(form.field, QStringLiteral("150"));
    QCOMPARE(form.field->text(), QStringLiteral("150"));
    form.validator->setRange(5, 100, 3);
    form.other->setFocus(Qt::OtherFocusReason);
    QCOMPARE(form.field->text(), placeholder);
}

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

    // The validator starts at 1..5 with 2 decimals.
    QTest::newRow("range upside down")
            << "setRange" << 5.0 << 1.0 << 2 << "DoubleValidator: Bottom is bigger than top 5 1"
            << 1.0 << 5.0 << 2;
    QTest::newRow("range with negative decimals")
            << "setRange" << 0.5 << 9.5 << -1 << "DoubleValidator: Ignore negative decimals -1"
            << 0.5 << 9.5 << 2;
    QTest::newRow("range to a point") << "setRange" << 3.0 << 3.0 << 4 << "" << 3.0 << 3.0 << 4;
    QTest::newRow("bottom above top") << "setBottom" << 7.5 << 0.0 << 0
                                      << "DoubleValidator: Bottom is bigger than top. 7.5" << 1.0
                                      << 5.0 << 2;
    QTest::newRow("bottom at top") << "setBottom" << 5.0 << 0.0 << 0 << "" << 5.0 << 5.0 << 2;
    QTest::newRow("bottom to minus infinity")
            << "setBottom" << -inf << 0.0 << 0 << "" << -inf << 5.0 << 2;
    QTest::newRow("top below bottom") << "setTop" << -3.0 << 0.0 << 0
                                      << "DoubleValidator: Top is smaller than top. -3" << 1.0
                                      << 5.0 << 2;
    QTest::newRow("bottom not a number")
            << "setBottom" << qQNaN() << 0.0 << 0 << "DoubleValidator: Bottom is bigger than top. nan"
            << 1.0 << 5.0 << 2;
    QTest::newRow("top not a number")
            << "setTop" << qQNaN() << 0.0 << 0 << "DoubleValidator: Top is smaller than top. nan"
            << 1.0 << 5.0 << 2;
    QTest::newRow("range from not a number")
            << "setRange" << qQNaN() << 9.0 << 2 << "DoubleValidator: Bottom is bigger than top nan 9"
            << 1.0 << 5.0 << 2;
    QTest::newRow("top at bottom") << "setTop" << 1.0 << 0.0 << 0 << "" << 1.0 << 1.0 << 2;
    QTest::newRow("negative decimals") << "setDecimals" << 0.0 << 0.0 << -2
                                       << "DoubleValidator: Ignore negative decimals -2" << 1.0
                                       << 5.0 << 2;
    QTest::newRow("zero decimals") << "setDecimals" << 0.0 << 0.0 << 0 << "" << 1.0 << 5.0 << 0;
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
    if (call == QLatin1String("setRange"))
        validator.setRange(bottom, top, decimals);
    else if (call == QLatin1String("setBottom"))
        validator.setBottom(bottom);
    else if (call == QLatin1String("setTop"))
        validator.setTop(bottom);
    else
        validator.setDecimals(decimals);
    QCOMPARE(validator.bottom(), expectedBottom);
    QCOMPARE(validator.top(), expectedTop);
    QCOMPARE(validator.decimals(), expectedDecimals);
}

void tst_DoubleValidator::propertiesGoThroughSetters()
{
    QLineEdit field;
    DoubleValidator validator(1, 5, 2, &field);
    QVERIFY(validator.setProperty("top", 50.0));
    QVERIFY(validator.setProperty("bottom", 10.0));
    QVERIFY(validator.setProperty("decimals", 1));
    QVERIFY(validator.setProperty("defaultText", QStringLiteral("--")));
    QCOMPARE(validator.property("bottom").toDouble(), 10.0);
    QCOMPARE(validator.property("top").toDouble(), 50.0);
    QCOMPARE(validator.property("decimals").toInt(), 1);
    QCOMPARE(validator.property("defaultText").toString(), QStringLiteral("--"));

    QTest::ignoreMessage(QtWarningMsg, "DoubleValidator: Top is smaller than top. 5");
    validator.setProperty("top", 5.0);
    QTest::ignoreMessage(QtWarningMsg, "DoubleValidator: Ignore negative decimals -4");
    validator.setProperty("decimals", -4);
    QTest::ignoreMessage(QtWarningMsg, "DoubleValidator: Illegal char in a default text: '.'");
    validator.setProperty("defaultText", QStringLiteral("..."));
    QCOMPARE(validator.top(), 50.0);
    QCOMPARE(validator.decimals(), 1);
    QCOMPARE(validator.defaultText(), QStringLiteral("--"));
}

void tst_DoubleValidator::defaultTextRejectsDigitsAndPoints_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("expected");

    QTest::newRow("letters and slash") << "n/a" << "" << "n/a";
    QTest::newRow("empty") << "" << "" << "";
    QTest::newRow("letters and points")
            << "n.a." << "DoubleValidator: Illegal char in a default text: '.'" << placeholder;
    QTest::newRow("first offender reported")
            << "ab7.c" << "DoubleValidator: Illegal char in a default text: '7'" << placeholder;
    QTest::newRow("arabic-indic digit")
            << QStringLiteral("x\u0663") << "DoubleValidator: Illegal char in a default text: "
                                            "'\\u0663'"
            << placeholder;
}

void tst_DoubleValidator::defaultTextRejectsDigitsAndPoints()
{
    QFETCH(QString, text);
    QFETCH(QString, warning);
    QFETCH(QString, expected);

    QLineEdit field;
    DoubleValidator validator(&field);
    field.setText(placeholder);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, warning.toUtf8().constData());
    validator.setDefaultText(text);
    QCOMPARE(validator.defaultText(), expected);
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
