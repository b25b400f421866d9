#include "app/HistoryViewController.h"

#include "app/AppDelegate.h"
#include "app/CalculatorViewController.h"
#include "app/PresentationStack.h"
#include "app/ShareSheet.h"
#include "localization/Localization.h"
#include "platform/HistoryWriter.h"
#include "ui_HistoryViewController.h"
#include "units/UnitCatalogue.h"
#include "units/UnitNameIndex.h"

#include <QDate>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace ratio {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

const LocalizedStrings& strings() {
    return Localization::shared().strings();
}

} // namespace

HistoryViewController::HistoryViewController(AppDelegate& appDelegate, QWidget* parent)
    : AnyViewController(parent), appDelegate(appDelegate),
      ui(std::make_unique<Ui::HistoryViewController>()),
      numbers(appDelegate.locale().decimalPoint().toStdString(),
              appDelegate.locale().groupSeparator().toStdString()) {
    ui->setupUi(this);
    // Opaque over the main screen, in the style sheet's colour.
    setAttribute(Qt::WA_StyledBackground);
    setAutoFillBackground(true);
    BackButton = ui->BackButton;
    ClearButton = ui->ClearButton;
    TitleLabel = ui->TitleLabel;
    EmptyLabel = ui->EmptyLabel;
    EntryList = ui->EntryList;
    BackButton->setText(qt(strings().Back));
    ClearButton->setText(qt(strings().Clear_history));
    TitleLabel->setText(qt(strings().History));
    EmptyLabel->setText(qt(strings().No_history_yet));
    EntryList->setAccessibleName(qt(strings().History));
    connect(BackButton, &QPushButton::clicked, this, &HistoryViewController::dismissSelf);
    connect(ClearButton, &QPushButton::clicked, this, &HistoryViewController::clearPushed);
    rows = new HistoryListModel(
        appDelegate.locale(), [this](const HistoryEntry& entry) { return entryText(entry); }, this);
    EntryList->setModel(rows);
    connect(EntryList, &QListView::clicked, this,
            [this](const QModelIndex& index) { reuseEntry(index.row()); });
    connect(EntryList, &QListView::customContextMenuRequested, this,
            &HistoryViewController::showEntryMenu);
    fill(appDelegate.history().entries());
}

HistoryViewController::~HistoryViewController() = default;

void HistoryViewController::fill(const HistoryEntries& entries) {
    rows->setEntries(entries);
    EmptyLabel->setVisible(entries.empty());
    EntryList->setVisible(!entries.empty());
    ClearButton->setEnabled(!entries.empty());
}

const HistoryEntry* HistoryViewController::entryAt(int row) const {
    return rows->entryAt(row);
}

const std::optional<UnitPair>& HistoryViewController::pairOf(const HistoryPair& pair) {
    auto found = pairs.find({pair.unit0, pair.unit1});
    if (found != pairs.end())
        return found->second;
    if (!names)
        names = std::make_unique<UnitNameIndex>(UnitNameIndex::ofSharedCatalogue());
    const StoredPairNames stored{pair.unit0, pair.unit1, pair.unit0, pair.unit1};
    return pairs[{pair.unit0, pair.unit1}] = lookUpStoredPair(*names, stored, true).pair;
}

// Grouped with the locale's separators, 8 places as the rows show it.
QString HistoryViewController::number(const std::string& exact) const {
    const auto value = BDouble::fromExactText(exact);
    return value ? qt(numbers.insertGroupingSeparators(numbers.resultText(*value))) : QString();
}

QString HistoryViewController::entryText(const HistoryEntry& entry) {
    if (!entry.isConversion()) {
        QString calculation = qt(entry.calculation);
        calculation.replace(u'.', qt(numbers.decimalSeparator));
        return calculation + " = " + number(entry.value);
    }
    const std::optional<UnitPair>& pair = pairOf(entry.pair);
    // A pair this run does not know (a currency without rates) keeps its British names.
    const QString unit0 =
        pair ? qt(pair->unit0.definition(unitCatalogue()).shortName) : qt(entry.pair.unit0);
    const QString unit1 =
        pair ? qt(pair->unit1.definition(unitCatalogue()).shortName) : qt(entry.pair.unit1);
    // Each quantity is one run, its number before its unit, in either direction.
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const auto quantity = [rightToLeft](const QString& number, const QString& unit) {
        const QString text = number + ' ' + unit;
        return rightToLeft ? QChar(0x2066) + text + QChar(0x2069) : text;
    };
    QString text =
        quantity(number(entry.value), unit0) + " = " + quantity(number(entry.result), unit1);
    if (!entry.pair.ratesDay.empty())
        text += "  (" +
                appDelegate.locale().toString(
                    QDate::fromString(qt(entry.pair.ratesDay), Qt::ISODate), QLocale::ShortFormat) +
                ')';
    return text;
}

QString HistoryViewController::plainNumber(const HistoryEntry& entry) const {
    const auto value = BDouble::fromExactText(entry.isConversion() ? entry.result : entry.value);
    return value ? qt(numbers.resultText(*value)) : QString();
}

void HistoryViewController::reuseEntry(int row) {
    const HistoryEntry* entry = entryAt(row);
    if (!entry)
        return;
    if (QPointer<CalculatorViewController> main = appDelegate.CalculatorViewControllerDelegate)
        main->reuseEntry(*entry);
    dismissSelf();
}

void HistoryViewController::showEntryMenu(const QPoint& position) {
    const HistoryEntry* entry = entryAt(EntryList->indexAt(position).row());
    if (!entry)
        return;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString copied = plainNumber(*entry), shared = entryText(*entry);
    menu->addAction(qt(strings().Copy), this, [copied] { ShareSheet::copyToClipboard(copied); });
    menu->addAction(qt(strings().Share), this,
                    [this, shared] { ShareSheet::present(shared, this); });
    menu->popup(EntryList->viewport()->mapToGlobal(position));
}

QMessageBox* HistoryViewController::clearPushed() {
    auto* question =
        new QMessageBox(QMessageBox::Question, qt(strings().Clear_history),
                        qt(strings().Clear_history_question), QMessageBox::NoButton, this);
    question->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* clear = question->addButton(qt(strings().Clear), QMessageBox::DestructiveRole);
    question->addButton(qt(strings().Cancel), QMessageBox::RejectRole);
    connect(clear, &QPushButton::clicked, this, &HistoryViewController::clearConfirmed);
    question->open();
    return question;
}

void HistoryViewController::clearConfirmed() {
    appDelegate.history().clear();
    fill({});
}

void HistoryViewController::dismissSelf() {
    PresentationStack::of(*this).dismiss(this);
}

void HistoryViewController::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->matches(QKeySequence::Back))
        dismissSelf();
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        reuseEntry(EntryList->currentIndex().row());
    else
        AnyViewController::keyPressEvent(event);
}

} // namespace ratio
