#include "app/UnitsViewController.h"

#include "app/AppDelegate.h"
#include "app/CalculatorViewController.h"
#include "app/PresentationStack.h"
#include "app/UnitListView.h"
#include "localization/CountFormat.h"
#include "localization/Localization.h"
#include "ui_UnitsViewController.h"
#include "units/LastSelection.h"
#include "units/SelectedUnits.h"
#include "units/UnitCatalogue.h"

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
    viewDidLoad();
}

UnitsViewController::~UnitsViewController() = default;

void UnitsViewController::viewDidLoad() {
    appDelegate.UnitsViewControllerDelegate = this;
    setBackTitle(texts.Cancel);
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
                         {}};
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
    model.setEntries(std::move(entries));
    refreshMarks();
}

void UnitsViewController::refreshMarks() {
    model.setMarked({{SelectedSection0, SelectedRow0}, {SelectedSection1, SelectedRow1}});
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
    appDelegate.MetricsCalculations0 = unit0.metricsCalculations;
    appDelegate.MetricsCalculations1 = unit1.metricsCalculations;
    QPointer<CalculatorViewController> main = mainScreen();
    selected.storeSelectedUnits(unit0.longName, selected.shortName0, unit1.longName,
                                selected.shortName1, UnitNameIndex::ofSharedCatalogue(),
                                appDelegate.store(), main.data());
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

} // namespace ratio
