#include "app/CalculatorViewController.h"

#include "app/AppDelegate.h"
#include "app/DivisionByZeroAlert.h"
#include "app/HistoryViewController.h"
#include "app/KeyButton.h"
#include "app/NumberRowLabel.h"
#include "app/PresentationStack.h"
#include "app/ShareSheet.h"
#include "app/TouchHold.h"
#include "localization/Localization.h"
#include "platform/DeviceFacts.h"
#include "platform/HistoryWriter.h"
#include "ui_CalculatorViewController.h"
#include "units/CurrencyRates.h"
#include "units/LaunchCounter.h"
#include "units/SelectedUnits.h"
#include "units/UnitCatalogue.h"
#include "units/UnitCatalogueBuilder.h"
#include "units/UnitPairRestore.h"
#include "units/UnitResolver.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPropertyAnimation>
#include <QTimer>

namespace ratio {

namespace {

// Whether a rate document has brought currencies in this run.
bool ratesArrived() {
    return !unitCatalogue().empty() && carriesRatesOfADocument(unitCatalogue().front());
}

const QColor darkGrayColor(0x55, 0x55, 0x55);
const QColor lightGrayColor(0xaa, 0xaa, 0xaa);

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

const LocalizedStrings& strings() {
    return Localization::shared().strings();
}

// What a screen reader says for a key whose title is a symbol.
struct KeySpeech {
    QPointer<KeyButton> CalculatorViewController::*key;
    std::string LocalizedStrings::*name;
    std::string LocalizedStrings::*description;
};

using C = CalculatorViewController;
using S = LocalizedStrings;
const KeySpeech keySpeech[] = {
    {&C::AdditionButton, &S::Key_plus, &S::Key_plus_hint},
    {&C::SubtractionButton, &S::Key_minus, &S::Key_minus_hint},
    {&C::MultiplicationButton, &S::Key_times, &S::Key_times_hint},
    {&C::DivisionButton, &S::Key_divide, &S::Key_divide_hint},
    {&C::EqualButton, &S::Key_equals, &S::Key_equals_hint},
    {&C::ClearButton, &S::Key_clear, &S::Key_clear_hint},
    {&C::PlusMinusButton, &S::Key_change_sign, &S::Key_change_sign_hint},
    {&C::DecimalSeparatorButton, &S::Key_decimal_separator, &S::Key_decimal_separator_hint},
    {&C::SwitchButton, &S::Key_switch_units, &S::Key_switch_units_hint},
    {&C::UnitButton, &S::Key_choose_units, &S::Key_choose_units_hint},
    {&C::CalculatorButton, &S::Key_calculator, &S::Key_calculator_hint},
    {&C::ConverterButton, &S::Key_converter, &S::Key_converter_hint},
};

} // namespace

CalculatorViewController::CalculatorViewController(AppDelegate& appDelegate, QWidget* parent)
    : AnyViewController(parent), model(appDelegate.locale().decimalPoint().toStdString(),
                                       appDelegate.locale().groupSeparator().toStdString()),
      appDelegate(appDelegate), ui(std::make_unique<Ui::CalculatorViewController>()) {
    ui->setupUi(this);
    takeOutlets();
    applyLook();
    connectActions();
    setUp();
}

CalculatorViewController::~CalculatorViewController() {
    OperatorMode::shared().modeSwitchedSelector = [](Mode, Mode) {};
}

void CalculatorViewController::takeOutlets() {
    Number0Label = ui->Number0Label;
    Number1Label = ui->Number1Label;
    Unit0LongNameLabel = ui->Unit0LongNameLabel;
    Unit1LongNameLabel = ui->Unit1LongNameLabel;
    MissingRateLabel = ui->MissingRateLabel;
    Button0Large = ui->Button0Large;
    Button1 = ui->Button1;
    Button2 = ui->Button2;
    Button3 = ui->Button3;
    Button4 = ui->Button4;
    Button5 = ui->Button5;
    Button6 = ui->Button6;
    Button7 = ui->Button7;
    Button8 = ui->Button8;
    Button9 = ui->Button9;
    AdditionButton = ui->AdditionButton;
    SubtractionButton = ui->SubtractionButton;
    MultiplicationButton = ui->MultiplicationButton;
    DivisionButton = ui->DivisionButton;
    EqualButton = ui->EqualButton;
    DecimalSeparatorButton = ui->DecimalSeparatorButton;
    ClearButton = ui->ClearButton;
    PlusMinusButton = ui->PlusMinusButton;
    UnitButton = ui->UnitButton;
    SwitchButton = ui->SwitchButton;
    CalculatorButton = ui->CalculatorButton;
    ConverterButton = ui->ConverterButton;
    Number0Button = ui->Number0Button;
    Number1Button = ui->Number1Button;
    ShareButton = ui->ShareButton;
    HistoryButton = ui->HistoryButton;
}

// Colours and fonts through palettes rather than style sheets, which would
// cost the first frame a style sheet engine.
void CalculatorViewController::applyLook() {
    QPalette screen = palette();
    screen.setColor(QPalette::Window, Qt::black);
    setPalette(screen);
    setAutoFillBackground(true);
    const auto setLook = [](QWidget* widget, QPalette::ColorRole role, const QColor& color,
                            int pixels) {
        QPalette colours = widget->palette();
        colours.setColor(role, color);
        widget->setPalette(colours);
        QFont font = widget->font();
        font.setPixelSize(pixels);
        widget->setFont(font);
    };
    const QColor longNameColor(0x8e, 0x8e, 0x93);
    setLook(Unit0LongNameLabel, QPalette::WindowText, longNameColor, 15);
    setLook(Unit1LongNameLabel, QPalette::WindowText, longNameColor, 15);
    setLook(ShareButton, QPalette::ButtonText, QColor(0xff, 0x9f, 0x0a), 28);
    ShareButton->setAutoRaise(true);
    setLook(HistoryButton, QPalette::ButtonText, QColor(0xff, 0x9f, 0x0a), 28);
    HistoryButton->setAutoRaise(true);
}

void CalculatorViewController::connectActions() {
    KeyButton* digits[] = {Button0Large, Button1, Button2, Button3, Button4,
                           Button5,      Button6, Button7, Button8, Button9};
    for (int digit = 0; digit < 10; ++digit)
        connect(digits[digit], &QPushButton::clicked, this,
                [this, digit] { model.press(static_cast<KeypadKey>(digit)); });
    // Every key goes through the model, which also makes the history's entries.
    const std::pair<KeyButton*, KeypadKey> others[] = {
        {AdditionButton, KeypadKey::Addition},
        {SubtractionButton, KeypadKey::Subtraction},
        {MultiplicationButton, KeypadKey::Multiplication},
        {DivisionButton, KeypadKey::Division},
        {ClearButton, KeypadKey::Clear},
        {DecimalSeparatorButton, KeypadKey::DecimalSeparator},
        {PlusMinusButton, KeypadKey::ChangeSign}};
    for (auto [button, key] : others)
        connect(button, &QPushButton::clicked, this, [this, key] { model.press(key); });
    connect(EqualButton, &QPushButton::clicked, this, &CalculatorViewController::equalPushed);
    connect(SwitchButton, &QPushButton::clicked, this, &CalculatorViewController::swapUnits);
    connect(UnitButton, &QPushButton::clicked, this, &CalculatorViewController::showUnitSelection);
    connect(CalculatorButton, &QPushButton::clicked, this,
            &CalculatorViewController::switchToCalculatorMode);
    connect(ConverterButton, &QPushButton::clicked, this,
            &CalculatorViewController::switchToConverterMode);
    connect(ShareButton, &QToolButton::clicked, this,
            &CalculatorViewController::showShareSheetPushed);
    connect(HistoryButton, &QToolButton::clicked, this, &CalculatorViewController::showHistory);
    for (KeyButton* key : findChildren<KeyButton*>())
        connect(key, &QPushButton::pressed, this, &AnyViewController::anyButtonTouchDown);
}

void CalculatorViewController::setUp() {
    showRowsOfModel();
    buildRowMenus();
    appDelegate.CalculatorViewControllerDelegate = this;
    OperatorMode::shared().modeSwitchedSelector = [this](Mode oldMode, Mode newMode) {
        highlightOperatorButton(oldMode);
        highlightOperatorButton(newMode);
    };
    // A keypad keeps its digit order in every language, as the rows keep their numbers.
    ui->Keypad->setLayoutDirection(Qt::LeftToRight);
    CalculatorButton->setHeightReduction(5);
    ConverterButton->setHeightReduction(5);
    DecimalSeparatorButton->setText(qt(calculator.decimalSeparator));
    UnitButton->setText(qt(strings().Unit));
    for (const KeySpeech& speech : keySpeech) {
        (this->*speech.key)->setAccessibleName(qt(strings().*speech.name));
        (this->*speech.key)->setAccessibleDescription(qt(strings().*speech.description));
    }
    ShareButton->setAccessibleName(qt(strings().Share));
    HistoryButton->setAccessibleName(qt(strings().History));
    model.history.recorded = [this](const HistoryEntry& entry) {
        appDelegate.history().add(entry);
    };
    // The rows' buttons open the menu of their row; the name lists its entries.
    const std::string menu1 = strings().Unit + " / " + strings().Share + " / " + strings().Copy;
    Number0Button->setAccessibleName(qt(menu1 + " / " + strings().Paste));
    Number1Button->setAccessibleName(qt(menu1));
    Number0Label->setPixelSizes(76, 26);
    Number1Label->setPixelSizes(52, 22);
    if (DeviceFacts::isPadDevice()) {
        Number0Label->setPixelSizes(140, 40);
        Number1Label->setPixelSizes(90, 30);
    }
    const UnitNameIndex names = UnitNameIndex::ofSharedCatalogue();
    const StoredPairLookup found = restoreUnits(names);
    const bool awaitsRates = found.awaitsRates;
    ConverterButton->setBackgroundColor(darkGrayColor);
    SelectedUnits& selected = SelectedUnits::shared();
    const std::string name0 = Unit0LongNameLabel->text().toStdString();
    const std::string name1 = Unit1LongNameLabel->text().toStdString();
    // A fallback shown for currencies without rates yet is not stored over them.
    if (awaitsRates)
        selected.showSelectedUnits(name0, model.shortName0(), name1, model.shortName1(), this);
    else
        selected.storeSelectedUnits(name0, model.shortName0(), name1, model.shortName1(), names,
                                    appDelegate.store(), this);
    selected.storedPairAwaitsRates = awaitsRates;
    showMissingRate(found.missingRate);
    ensureLaunchCount(appDelegate.store());
}

StoredPairLookup CalculatorViewController::restoreUnits(const UnitNameIndex& names) {
    const StoredPairNames stored = SelectedUnits::shared().storedPair(appDelegate.store());
    Unit0LongNameLabel->setText(qt(stored.name0));
    Unit1LongNameLabel->setText(qt(stored.name1));
    StoredPairLookup found = lookUpStoredPair(names, stored, ratesArrived());
    if (const auto pair = found.pair ? found.pair : defaultPair(unitCatalogue()))
        showUnitPair(*pair, names);
    return found;
}

void CalculatorViewController::showMissingRate(const std::string& line) {
    if (!MissingRateLabel)
        return;
    MissingRateLabel->setText(qt(line));
    MissingRateLabel->setVisible(!line.empty());
}

void CalculatorViewController::showUnitPair(const UnitPair& pair, const UnitNameIndex& names) {
    const UnitDefinition& unit0 = pair.unit0.definition(unitCatalogue());
    const UnitDefinition& unit1 = pair.unit1.definition(unitCatalogue());
    Unit0LongNameLabel->setText(qt(unit0.longName));
    Unit1LongNameLabel->setText(qt(unit1.longName));
    // Row 0's number stays unrecorded: rates that came change the pair under
    // it, and a pair the user chose leaves the number before it comes here.
    model.refreshUnits(unitCatalogue(), pair.unit0, pair.unit1,
                       historyPair(names, unitCatalogue(), pair));
}

// The labels follow the model's rows from now on.
void CalculatorViewController::showRowsOfModel() {
    model.row0Changed = [this](const std::string& text) {
        if (Number0Label)
            Number0Label->setText(qt(text));
    };
    model.row1Changed = [this](const std::string& text) {
        if (Number1Label)
            Number1Label->setText(qt(text));
    };
    model.divisionByZero = [this] { showDivisionByZeroAlert(); };
    model.row0Changed(model.row0());
    model.row1Changed(model.row1());
}

void CalculatorViewController::restoreUnitsAwaitingRates() {
    SelectedUnits& selected = SelectedUnits::shared();
    if (!selected.storedPairAwaitsRates)
        return convertWithNewRates();
    const UnitNameIndex names = UnitNameIndex::ofSharedCatalogue();
    const StoredPairLookup found =
        lookUpStoredPair(names, selected.storedPair(appDelegate.store()), ratesArrived());
    if (!found.pair) {
        if (found.awaitsRates)
            return;
        // The rates came without a stored currency: the fallback stays, and is stored.
        selected.storeSelectedUnits(selected.name0, selected.shortName0, selected.name1,
                                    selected.shortName1, names, appDelegate.store(), this);
        showMissingRate(found.missingRate);
        return;
    }
    // Whatever was typed stays; only the units change under it.
    showUnitPair(*found.pair, names);
    selected.storeSelectedUnits(Unit0LongNameLabel->text().toStdString(), model.shortName0(),
                                Unit1LongNameLabel->text().toStdString(), model.shortName1(), names,
                                appDelegate.store(), this);
    calculator.updateConversion();
}

// The pair on screen takes its chains from the rebuilt catalogue, so a
// currency converts with the rates the header names; the typed number and a
// pending operation stay. A currency the rates no longer carry keeps its last
// rate until another pair is picked.
void CalculatorViewController::convertWithNewRates() {
    const SelectedUnits& selected = SelectedUnits::shared();
    if (const auto pair =
            findStoredPair(longNames(unitCatalogue()), selected.name0, selected.name1)) {
        showUnitPair(*pair, UnitNameIndex::ofSharedCatalogue());
        calculator.updateConversion();
    }
}

void CalculatorViewController::buildRowMenus() {
    row0Menu = new QMenu(this);
    row0Menu->addAction(qt(strings().Unit), this, &CalculatorViewController::showUnitSelection);
    row0Menu->addAction(qt(strings().Share), this,
                        [this] { shareText(Number0Label ? Number0Label->text() : QString()); });
    // Copy gives a row's number as a spreadsheet reads it back: no grouping, no unit.
    row0Menu->addAction(qt(strings().Copy), this,
                        [this] { ShareSheet::copyToClipboard(qt(model.number0())); });
    row0Menu->addAction(qt(strings().Paste), this, &CalculatorViewController::pasteNumber);
    row1Menu = new QMenu(this);
    row1Menu->addAction(qt(strings().Unit), this, [this] {
        if (isConverterMode())
            showUnitSelection();
    });
    row1Menu->addAction(qt(strings().Share), this, [this] {
        if (isConverterMode())
            shareText(Number1Label ? Number1Label->text() : QString());
    });
    row1Menu->addAction(qt(strings().Copy), this, [this] {
        if (isConverterMode())
            ShareSheet::copyToClipboard(qt(model.number1()));
    });
    // The rows lie over their buttons; a right click or a long press on either opens the menu.
    for (QWidget* target :
         {static_cast<QWidget*>(Number0Label), static_cast<QWidget*>(Number1Label),
          static_cast<QWidget*>(Number0Button), static_cast<QWidget*>(Number1Button)}) {
        target->installEventFilter(this);
        const bool row0 = target == Number0Label || target == Number0Button;
        new TouchHold(target, [this, row0](QPoint at) {
            if (QMenu* menu = row0 ? row0Menu : row1Menu)
                menu->popup(at);
        });
    }
}

bool CalculatorViewController::eventFilter(QObject* watched, QEvent* event) {
    const bool row0 = watched == Number0Label || watched == Number0Button;
    QMenu* menu = row0 ? row0Menu : row1Menu;
    if (event->type() == QEvent::ContextMenu) {
        if (menu)
            menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return AnyViewController::eventFilter(watched, event);
}

void CalculatorViewController::setUnit0LongNameLabel(const std::string& text) {
    showMissingRate({}); // a pair shown since says nothing of a missing rate
    if (Unit0LongNameLabel)
        Unit0LongNameLabel->setText(qt(text));
}

void CalculatorViewController::setUnit1LongNameLabel(const std::string& text) {
    if (Unit1LongNameLabel)
        Unit1LongNameLabel->setText(qt(text));
}

void CalculatorViewController::setConverterButtonTitle(const std::string& title) {
    if (ConverterButton)
        ConverterButton->setText(qt(title));
}

void CalculatorViewController::showDivisionByZeroAlert() {
    DivisionByZeroAlert::present(qt(strings().OK_Yes), this);
}

void CalculatorViewController::switchToConverterMode() {
    model.switchToConverterMode();
    Number1Label->show();
    Unit1LongNameLabel->show();
    ConverterButton->setBackgroundColor(darkGrayColor);
    CalculatorButton->setBackgroundColor(lightGrayColor);
}

void CalculatorViewController::switchToCalculatorMode() {
    model.switchToCalculatorMode();
    // Row 1's caption goes with its row, rather than stand under row 0's.
    Number1Label->hide();
    Unit1LongNameLabel->hide();
    ConverterButton->setBackgroundColor(lightGrayColor);
    CalculatorButton->setBackgroundColor(darkGrayColor);
}

// The model swaps rows, units and numbers; the exchanged pair is stored and
// its long names shown.
void CalculatorViewController::swapUnits() {
    switchToConverterMode();
    model.swapUnits();
    SelectedUnits& selected = SelectedUnits::shared();
    selected.storeSelectedUnits(selected.name1, model.shortName0(), selected.name0,
                                model.shortName1(), UnitNameIndex::ofSharedCatalogue(),
                                appDelegate.store(), this);
}

void CalculatorViewController::showUnitSelection() {
    switchToConverterMode();
    if (QPointer<CalculatorViewController> screen = appDelegate.CalculatorViewControllerDelegate)
        PresentationStack::of(*screen).present(QStringLiteral("Unit"));
}

void CalculatorViewController::showHistory() {
    QPointer<CalculatorViewController> screen = appDelegate.CalculatorViewControllerDelegate;
    if (!screen)
        return;
    PresentationStack& stack = PresentationStack::of(*screen);
    if (!qobject_cast<HistoryViewController*>(stack.top())) // open once
        stack.present(QStringLiteral("History"));
}

void CalculatorViewController::reuseEntry(const HistoryEntry& entry) {
    const auto value = BDouble::fromExactText(entry.value);
    if (!value)
        return;
    model.leaveNumber(); // in the pair and mode it was typed in
    if (entry.isConversion()) {
        const UnitNameIndex names = UnitNameIndex::ofSharedCatalogue();
        const StoredPairNames stored{entry.pair.unit0, entry.pair.unit1, entry.pair.unit0,
                                     entry.pair.unit1};
        if (const auto pair = lookUpStoredPair(names, stored, ratesArrived()).pair) {
            switchToConverterMode();
            showUnitPair(*pair, names);
            SelectedUnits::shared().storeSelectedUnits(
                Unit0LongNameLabel->text().toStdString(), model.shortName0(),
                Unit1LongNameLabel->text().toStdString(), model.shortName1(), names,
                appDelegate.store(), this);
        }
    }
    model.reuse(*value);
}

void CalculatorViewController::equalPushed() {
    model.press(KeypadKey::Equals);
    Number0Label->setTextColor(Number0Label->backgroundColor());
    Number1Label->setTextColor(Number1Label->backgroundColor());
    QTimer::singleShot(50, this, &CalculatorViewController::blinkNumber);
}

void CalculatorViewController::blinkNumber() {
    Number0Label->setTextColor(Qt::white);
    Number1Label->setTextColor(Qt::white);
}

KeyButton* CalculatorViewController::operatorButton(Mode mode) const {
    switch (mode) {
    case Mode::Addition:
        return AdditionButton;
    case Mode::Subtraction:
        return SubtractionButton;
    case Mode::Multiplication:
        return MultiplicationButton;
    case Mode::Division:
        return DivisionButton;
    case Mode::None:
        break;
    }
    return nullptr;
}

void CalculatorViewController::highlightOperatorButton(Mode mode) {
    KeyButton* key = operatorButton(mode);
    if (!key)
        return;
    const QColor background = key->backgroundColor();
    key->setBackgroundColor(key->titleColor());
    key->setTitleColor(background);
}

void CalculatorViewController::fadeInUnitButton() {
    if (!UnitButton)
        return;
    auto* effect = new QGraphicsOpacityEffect(UnitButton);
    UnitButton->setGraphicsEffect(effect);
    auto* fade = new QPropertyAnimation(effect, "opacity", effect);
    fade->setDuration(1000);
    fade->setStartValue(0.0);
    fade->setEndValue(1.0);
    // The effect goes when the fade ends: a resting button paints without it.
    connect(fade, &QPropertyAnimation::finished, UnitButton,
            [button = UnitButton] { button->setGraphicsEffect(nullptr); });
    fade->start();
}

void CalculatorViewController::showEvent(QShowEvent* event) {
    AnyViewController::showEvent(event);
    fadeInUnitButton();
}

QString CalculatorViewController::visibleResult() const {
    return qt(model.visibleResult());
}

// The names are read as ratio-cli reads them, from catalogues built for this
// paste, so they follow the currencies that rates bring.
void CalculatorViewController::pasteNumber() {
    const Localization& localization = Localization::shared();
    const LocalizedStrings& british = Localization::sharedBritishStrings();
    UnitCatalogue britishNames, usNames;
    buildUnitCatalogue(britishNames, british, localization.language, british);
    buildUnitCatalogue(usNames, *Localization::makeStrings(Language::EnglishUSA),
                       localization.language, british);
    const UnitResolver names(unitCatalogue(), {&britishNames, &usNames});
    model.paste(QGuiApplication::clipboard()->text().toStdString(), &names);
}

void CalculatorViewController::showShareSheetPushed() {
    shareText(visibleResult());
}

void CalculatorViewController::shareText(const QString& text) {
    if (DeviceFacts::isPadDevice())
        return;
    ShareSheet::present(text, this);
}

// The numeric keypad's decimal key means the decimal point whatever the
// layout makes it type: a user whose keypad gives "." in a locale writing ","
// (or "٫") could not enter a fraction otherwise.
bool CalculatorViewController::isKeypadDecimalKey(const QKeyEvent& event) {
    if (!event.modifiers().testFlag(Qt::KeypadModifier))
        return false;
    return event.key() == Qt::Key_Period || event.key() == Qt::Key_Comma ||
           event.text() == QStringLiteral(".") || event.text() == QStringLiteral(",");
}

std::optional<KeypadKey> CalculatorViewController::typedKey(const QKeyEvent& event) const {
    if (isKeypadDecimalKey(event))
        return KeypadKey::DecimalSeparator;
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return KeypadKey::Equals;
    if (event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Escape)
        return KeypadKey::Clear;
    return keypadKey(event.text().toStdString(), calculator.decimalSeparator);
}

void CalculatorViewController::pressKey(KeypadKey key) {
    if (key == KeypadKey::Equals)
        equalPushed();
    else if (key == KeypadKey::SwapUnits)
        swapUnits();
    else
        model.press(key);
}

// Ctrl+C copies the visible result as the row shows it, unit and all, as
// Share does; Ctrl+V reads it back (MainScreenModel::paste).
void CalculatorViewController::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        ShareSheet::copyToClipboard(visibleResult());
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteNumber();
        return;
    }
    if (event->key() == Qt::Key_H && event->modifiers() == Qt::ControlModifier) {
        showHistory();
        return;
    }
    if (const auto key = typedKey(*event))
        pressKey(*key);
    else
        AnyViewController::keyPressEvent(event);
}

} // namespace ratio
