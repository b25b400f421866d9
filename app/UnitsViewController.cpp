#include "app/UnitsViewController.h"

#include "app/AppDelegate.h"
#include "app/CalculatorViewController.h"
#include "app/PresentationStack.h"
#include "app/UnitListView.h"
#include "localization/CountFormat.h"
#include "localization/Localization.h"
#include "ui_UnitsViewController.h"
#include "units/AddedUnits.h"
#include "units/LastSelection.h"
#include "units/SelectedUnits.h"
#include "units/UnitCatalogue.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

namespace ratio {

namespace {

std::size_t index(int value) {
    return static_cast<std::size_t>(value);
}

} // namespace

UnitsViewController::UnitsViewController(AppDelegate& appDelegate, QWidget* parent)
    : UnitsViewController(appDelegate, Localization::shared().strings(), parent) {}

UnitsViewController::UnitsViewController(AppDelegate& appDelegate, const LocalizedStrings& texts,
                                         QWidget* parent)
    : UnitsBaseViewController(appDelegate, texts, parent),
      ui(std::make_unique<Ui::UnitsViewController>()) {
    ui->setupUi(this);
    takeOutlets(ui->TableView, ui->StatusLabel, ui->BackButton);
    ColorLabel = ui->ColorLabel;
    SearchField = ui->SearchField;
    viewDidLoad();
}

UnitsViewController::~UnitsViewController() = default;

void UnitsViewController::viewDidLoad() {
    appDelegate.UnitsViewControllerDelegate = this;
    setBackTitle(texts.Cancel);
    if (SearchField) {
        SearchField->setPlaceholderText(QString::fromStdString(texts.Search));
        SearchField->setAccessibleName(QString::fromStdString(texts.Search));
        connect(SearchField, &QLineEdit::textChanged, this,
                &UnitsViewController::searchTextChanged);
        SearchField->installEventFilter(this);
    }
    if (TableView)
        TableView->installEventFilter(this);
    refreshStatus();
    rebuildCompactList();
    const LastSelection last = LastSelection::read(appDelegate.store());
    appDelegate.LastSelectedRow0 = last.row;
    appDelegate.LastSelectedSection0 = last.section;
    if (last.row != -1 && last.section != -1)
        QTimer::singleShot(0, this, &UnitsViewController::scrollToLastSelection);
}

void UnitsViewController::rebuildCompactList() {
    // The chosen first unit keeps its mark by name: an addition before it, or a
    // new rate document, moves it to another compact row.
    std::optional<std::string> firstUnit;
    if (SelectedSection0 >= 0 && index(SelectedSection0) < CategoriesWithAddedUnits.size() &&
        SelectedRow0 >= 0 &&
        index(SelectedRow0) <
            CategoriesWithAddedUnits[index(SelectedSection0)].unitDefinitions.size())
        firstUnit = CategoriesWithAddedUnits[index(SelectedSection0)]
                        .unitDefinitions[index(SelectedRow0)]
                        .longName;

    CategoriesWithAddedUnits.clear();
    for (Category& category : unitCatalogue()) {
        Category compact{category.nameSingle,
                         category.additionalUnitsNumber,
                         category.pickFirstUnit,
                         category.pickSecondUnit,
                         {},
                         category.ratesDay};
        for (UnitDefinition& unit : category.unitDefinitions)
            if (unit.added) {
                unit.indexOfCompactList = static_cast<int>(compact.unitDefinitions.size());
                compact.unitDefinitions.push_back(unit);
            }
        CategoriesWithAddedUnits.push_back(std::move(compact));
    }

    if (firstUnit && index(SelectedSection0) < CategoriesWithAddedUnits.size()) {
        const auto& units = CategoriesWithAddedUnits[index(SelectedSection0)].unitDefinitions;
        const auto found =
            std::find_if(units.begin(), units.end(),
                         [&](const UnitDefinition& unit) { return unit.longName == *firstUnit; });
        if (found != units.end()) {
            SelectedRow0 = static_cast<int>(found - units.begin());
        } else {
            // Gone with a new rate document: there is no first unit any more.
            LastSelectedNumberIndex = 1;
            SelectedSection0 = SelectedRow0 = SelectedSection1 = SelectedRow1 = -1;
        }
    }
    reloadTable();
}

void UnitsViewController::reloadTable() {
    // A keyboard user keeps the current row through a reload.
    const UnitListModel::Entry* current =
        TableView ? model.entry(TableView->currentIndex().row()) : nullptr;
    const UnitListModel::Position keep =
        current ? UnitListModel::Position(current->section, current->row)
                : UnitListModel::Position(-1, -1);
    model.setEntries(filtered ? foundEntries() : compactEntries());
    refreshMarks();
    if (TableView && model.flatRow(keep.first, keep.second) >= 0)
        TableView->setCurrentIndex(model.index(model.flatRow(keep.first, keep.second)));
}

std::vector<UnitListModel::Entry> UnitsViewController::compactEntries() const {
    const UnitCatalogue& catalogue = unitCatalogue();
    const Language language = Localization::shared().language;
    std::vector<UnitListModel::Entry> entries;
    for (std::size_t s = 0; s < CategoriesWithAddedUnits.size(); ++s) {
        const Category& category = CategoriesWithAddedUnits[s];
        const int section = static_cast<int>(s);
        entries.push_back({UnitListModel::Kind::Header, QString::fromStdString(category.nameSingle),
                           section, -1});
        const int n = static_cast<int>(category.unitDefinitions.size());
        for (int r = 0; r < n; ++r)
            entries.push_back({UnitListModel::Kind::Unit,
                               QString::fromStdString(category.unitDefinitions[index(r)].longName),
                               section, r});
        const long long all =
            s < catalogue.size() ? static_cast<long long>(catalogue[s].unitDefinitions.size()) : 0;
        // Never a negative count, even while the catalogue holds fewer units than the list.
        const long long more = std::max(0LL, all - n);
        entries.push_back(
            {UnitListModel::Kind::More,
             QString::fromStdString(formatCount(category.additionalUnitsNumber, more, language)),
             section, n});
    }
    return entries;
}

std::vector<UnitListModel::Entry> UnitsViewController::foundEntries() {
    const UnitCatalogue& catalogue = unitCatalogue();
    if (!search || !search->describes(catalogue))
        search.emplace(catalogue, UnitNameIndex::ofSharedCatalogue().britishNames());
    std::vector<UnitListModel::Entry> entries;
    std::size_t header = catalogue.size();
    for (const UnitSearch::Match& found : search->find(SearchField->text())) {
        const int section = static_cast<int>(found.category);
        if (found.category != header) {
            header = found.category;
            // The compact list's name carries the date of the rates.
            const Category& named = found.category < CategoriesWithAddedUnits.size()
                                        ? CategoriesWithAddedUnits[found.category]
                                        : catalogue[found.category];
            entries.push_back({UnitListModel::Kind::Header,
                               QString::fromStdString(named.nameSingle), section, -1});
        }
        entries.push_back(
            {UnitListModel::Kind::Unit,
             QString::fromStdString(catalogue[found.category].unitDefinitions[found.row].longName),
             section, static_cast<int>(found.row)});
    }
    return entries;
}

UnitListModel::Position UnitsViewController::shownPosition(int section, int row) const {
    if (!filtered)
        return {section, row};
    const std::optional<std::string> name =
        section >= 0 && index(section) < CategoriesWithAddedUnits.size() && row >= 0 &&
                index(row) < CategoriesWithAddedUnits[index(section)].unitDefinitions.size()
            ? std::optional(
                  CategoriesWithAddedUnits[index(section)].unitDefinitions[index(row)].longName)
            : std::nullopt;
    const UnitCatalogue& catalogue = unitCatalogue();
    if (!name || index(section) >= catalogue.size())
        return {-1, -1};
    const auto& units = catalogue[index(section)].unitDefinitions;
    const auto found = std::find_if(units.begin(), units.end(), [&](const UnitDefinition& unit) {
        return unit.longName == *name;
    });
    return found == units.end()
               ? UnitListModel::Position(-1, -1)
               : UnitListModel::Position(section, static_cast<int>(found - units.begin()));
}

void UnitsViewController::refreshMarks() {
    model.setMarked({shownPosition(SelectedSection0, SelectedRow0),
                     shownPosition(SelectedSection1, SelectedRow1)});
}

void UnitsViewController::refreshStatus() {
    setStatusText(statusText(LastSelectedNumberIndex, SelectedSection0));
}

std::string UnitsViewController::statusText(int statusIndex, int section) const {
    if (statusIndex == 1)
        return texts.shouldUseSimpleLocalisation ? "... \u2192" : texts.Pick_first_unit;
    if (texts.shouldUseSimpleLocalisation)
        return shortNameAt(SelectedSection0, SelectedRow0).value_or(std::string()) + " \u2192 ...";
    const UnitCatalogue& catalogue = unitCatalogue();
    if (section < 0 || index(section) >= catalogue.size())
        return {};
    return catalogue[index(section)].pickSecondUnit;
}

std::optional<std::string> UnitsViewController::shortNameAt(int section, int row) const {
    if (section < 0 || row < 0 || index(section) >= CategoriesWithAddedUnits.size())
        return std::nullopt;
    const auto& units = CategoriesWithAddedUnits[index(section)].unitDefinitions;
    if (index(row) >= units.size())
        return std::nullopt;
    return units[index(row)].shortName;
}

void UnitsViewController::didSelectRow(int section, int row) {
    if (section < 0 || index(section) >= CategoriesWithAddedUnits.size())
        return;
    if (filtered) {
        tapFound(section, row);
        return;
    }
    const int n = static_cast<int>(CategoriesWithAddedUnits[index(section)].unitDefinitions.size());
    if (row < n)
        tapUnit(section, row);
    else
        tapMore(section);
}

void UnitsViewController::tapUnit(int section, int row) {
    if (LastSelectedNumberIndex == 1) {
        SelectedRow0 = row;
        SelectedSection0 = section;
        LastSelectedNumberIndex = 0;
        setStatusText(statusText(0, section));
        refreshMarks();
        return;
    }
    SelectedRow1 = row;
    SelectedSection1 = section;
    if (section == SelectedSection0 && row == SelectedRow0) {
        LastSelectedNumberIndex = 1;
        SelectedSection1 = SelectedRow1 = SelectedSection0 = SelectedRow0 = -1;
        setStatusText(statusText(1, -1));
    } else if (section == SelectedSection0) {
        LastSelectedNumberIndex = 1;
        refreshMarks();
        completeSelection();
    } else {
        SelectedSection0 = section;
        SelectedRow0 = row;
        SelectedSection1 = SelectedRow1 = -1;
        setStatusText(statusText(0, section));
    }
    refreshMarks();
}

void UnitsViewController::tapFound(int section, int catalogueRow) {
    UnitCatalogue& catalogue = unitCatalogue();
    const UnitListModel::Entry* shown = model.entry(model.flatRow(section, catalogueRow));
    auto& units = catalogue[index(section)].unitDefinitions;
    // A rate document may have replaced the units since the list was drawn:
    // show the new ones instead of picking whatever now sits in that place.
    if (!shown || index(catalogueRow) >= units.size() ||
        units[index(catalogueRow)].longName != shown->text.toStdString()) {
        reloadTable();
        return;
    }
    const std::string name = units[index(catalogueRow)].longName;
    const auto inCompactList = [&] {
        const UnitDefinition& unit =
            unitCatalogue()[index(section)].unitDefinitions[index(catalogueRow)];
        const auto& compact = CategoriesWithAddedUnits[index(section)].unitDefinitions;
        return unit.added && unit.indexOfCompactList >= 0 &&
               index(unit.indexOfCompactList) < compact.size() &&
               compact[index(unit.indexOfCompactList)].longName == name;
    };
    if (!inCompactList()) {
        // Joins the compact list as from the category's full list; the rebuild
        // keeps a chosen first unit by name.
        AddedUnits::add(unitCatalogue(), {index(section), index(catalogueRow)},
                        UnitNameIndex::ofSharedCatalogue(), appDelegate.store());
        rebuildCompactList();
        if (!inCompactList())
            return;
    }
    tapUnit(section, units[index(catalogueRow)].indexOfCompactList);
}

void UnitsViewController::tapMore(int section) {
    if (LastSelectedNumberIndex == 0 && SelectedSection0 != section) {
        LastSelectedNumberIndex = 1;
        SelectedSection0 = SelectedRow0 = -1;
        refreshMarks();
    }
    SelectedAdditionalSection = section;
    QTimer::singleShot(0, this, &UnitsViewController::showAdditionalUnits);
}

void UnitsViewController::showAdditionalUnits() {
    PresentationStack::of(*this).present(QStringLiteral("Additional Units"));
}

void UnitsViewController::completeSelection() {
    appDelegate.LastSelectedSection0 = SelectedSection0;
    appDelegate.LastSelectedRow0 = SelectedRow0;
    LastSelection{SelectedSection0, SelectedRow0}.write(appDelegate.store());

    SelectedUnits& selected = SelectedUnits::shared();
    const std::optional<std::string> shortName0 = shortNameAt(SelectedSection0, SelectedRow0);
    if (!shortName0) {
        closeUnitSelection();
        return;
    }
    selected.shortName0 = *shortName0;
    const std::optional<std::string> shortName1 = shortNameAt(SelectedSection1, SelectedRow1);
    if (!shortName1) {
        closeUnitSelection();
        return;
    }
    selected.shortName1 = *shortName1;

    const UnitDefinition& unit0 =
        CategoriesWithAddedUnits[index(SelectedSection0)].unitDefinitions[index(SelectedRow0)];
    const UnitDefinition& unit1 =
        CategoriesWithAddedUnits[index(SelectedSection1)].unitDefinitions[index(SelectedRow1)];
    QPointer<CalculatorViewController> main = mainScreen();
    const UnitNameIndex names = UnitNameIndex::ofSharedCatalogue();
    if (main) {
        // By their places in the catalogue, so a paste takes all their names
        // and the history names the pair.
        const auto pair =
            findStoredPair(longNames(unitCatalogue()), unit0.longName, unit1.longName);
        pair ? main->model.setUnits(unitCatalogue(), pair->unit0, pair->unit1,
                                    historyPair(names, unitCatalogue(), *pair))
             : main->model.setUnits(unit0, unit1);
    }
    selected.storeSelectedUnits(unit0.longName, selected.shortName0, unit1.longName,
                                selected.shortName1, names, appDelegate.store(), main.data());
    if (main)
        main->calculator.clear();

    // Closed once this tap has been handled: both picking screens go together.
    QWidget* context = main ? static_cast<QWidget*>(main.data()) : this;
    QTimer::singleShot(0, context, [context, main] {
        PresentationStack::of(*context).dismissAll(true, [main] {
            if (main)
                main->fadeInUnitButton();
        });
    });
}

void UnitsViewController::closeUnitSelection() {
    dismissSelf(true);
    fadeInMainUnitButton();
}

void UnitsViewController::scrollToLastSelection() {
    int section = appDelegate.LastSelectedSection0;
    int row = section == 0 ? 0 : appDelegate.LastSelectedRow0;
    if (section < 0 || row < 0 || index(section) >= CategoriesWithAddedUnits.size() ||
        index(row) >= CategoriesWithAddedUnits[index(section)].unitDefinitions.size()) {
        section = row = 0;
        appDelegate.LastSelectedSection0 = 0;
    }
    if (TableView) {
        TableView->scrollToCentre(section, row);
        TableView->setCurrentIndex(model.index(model.flatRow(section, row)));
    }
}

void UnitsViewController::backPushed() {
    closeUnitSelection();
}

void UnitsViewController::searchTextChanged(const QString& text) {
    const bool wasFiltered = filtered;
    filtered = !text.trimmed().isEmpty();
    if (!TableView) {
        reloadTable();
        return;
    }
    if (filtered && !wasFiltered) {
        const UnitListModel::Entry* current = model.entry(TableView->currentIndex().row());
        unfilteredScroll = TableView->verticalScrollBar()->value();
        unfilteredCurrent = current ? UnitListModel::Position(current->section, current->row)
                                    : UnitListModel::Position(-1, -1);
    }
    reloadTable();
    // Laid out now, so the scroll position below is not clamped to an old height.
    TableView->doItemsLayout();
    if (filtered) {
        // Return picks the first unit found.
        TableView->setCurrentIndex(model.index(1));
        TableView->scrollToTop();
    } else if (wasFiltered) {
        const int current = model.flatRow(unfilteredCurrent.first, unfilteredCurrent.second);
        if (current >= 0)
            TableView->setCurrentIndex(model.index(current));
        TableView->verticalScrollBar()->setValue(unfilteredScroll);
    }
}

bool UnitsViewController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return UnitsBaseViewController::eventFilter(watched, event);
    auto& key = static_cast<QKeyEvent&>(*event);
    if (SearchField && watched == SearchField)
        return searchKeyPressed(key);
    if (TableView && watched == TableView)
        return listKeyPressed(key);
    return false;
}

// Escape anywhere on the screen (the back button focused, say) first ends a search.
void UnitsViewController::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && filtered && SearchField) {
        SearchField->clear();
        return;
    }
    UnitsBaseViewController::keyPressEvent(event);
}

namespace {

void forward(const QKeyEvent& event, QWidget* target) {
    QKeyEvent copy(event.type(), event.key(), event.modifiers(), event.text(), event.isAutoRepeat(),
                   static_cast<ushort>(event.count()));
    QCoreApplication::sendEvent(target, &copy);
}

} // namespace

// Letters typed in the list go to the search field; Escape there first clears a search.
bool UnitsViewController::listKeyPressed(QKeyEvent& event) {
    if (!SearchField)
        return false;
    if (event.key() == Qt::Key_Escape && filtered) {
        SearchField->clear();
        return true;
    }
    const QString text = event.text();
    const bool typed =
        !text.isEmpty() && text[0].isPrint() && text != QStringLiteral(" ") &&
        !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const bool erased = event.key() == Qt::Key_Backspace && !SearchField->text().isEmpty();
    if (!typed && !erased)
        return false;
    SearchField->setFocus();
    forward(event, SearchField);
    return true;
}

// In the search field, the keys that move through the list or pick act on the list.
bool UnitsViewController::searchKeyPressed(QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Escape:
        if (SearchField->text().isEmpty())
            backPushed();
        else
            SearchField->clear();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (TableView)
            forward(event, TableView);
        return true;
    default:
        return false;
    }
}

} // namespace ratio
