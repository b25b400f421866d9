#include "app/AdditionalUnitsViewController.h"

#include "app/AppDelegate.h"
#include "app/UnitListView.h"
#include "app/UnitsViewController.h"
#include "localization/Localization.h"
#include "ui_AdditionalUnitsViewController.h"
#include "units/AddedUnits.h"
#include "units/CurrencyRates.h"
#include "units/UnitCatalogue.h"

#include <QLabel>

#include <algorithm>

namespace ratio {

namespace {

// The catalogue puts the currencies first; they are its only category that can be empty.
constexpr int currencySection = 0;

// The catalogue category `section`, or null outside the catalogue.
Category* categoryAt(int section) {
    UnitCatalogue& catalogue = unitCatalogue();
    if (section < 0 || static_cast<std::size_t>(section) >= catalogue.size())
        return nullptr;
    return &catalogue[static_cast<std::size_t>(section)];
}

} // namespace

AdditionalUnitsViewController::AdditionalUnitsViewController(AppDelegate& appDelegate,
                                                             QWidget* parent)
    : AdditionalUnitsViewController(appDelegate, Localization::shared().strings(), parent) {}

AdditionalUnitsViewController::AdditionalUnitsViewController(AppDelegate& appDelegate,
                                                             const LocalizedStrings& texts,
                                                             QWidget* parent)
    : UnitsBaseViewController(appDelegate, texts, parent),
      ui(std::make_unique<Ui::AdditionalUnitsViewController>()) {
    ui->setupUi(this);
    takeOutlets(ui->TableView, ui->StatusLabel, ui->BackButton);
    NoRatesLabel = ui->NoRatesLabel;
    NoRatesLabel->setText(QString::fromStdString(texts.Currency_rates_not_downloaded));
    NoRatesLabel->setAccessibleName(NoRatesLabel->text());
    viewDidLoad();
}

AdditionalUnitsViewController::~AdditionalUnitsViewController() = default;

void AdditionalUnitsViewController::viewDidLoad() {
    appDelegate.AdditionalUnitsViewControllerDelegate = this;
    UnitsViewController* selection = selectionScreen();
    Section = selection ? selection->SelectedAdditionalSection : -1;
    renumberAfterNewRates();
    refreshStatus();
    setBackTitle(texts.Back);
    reloadTable();
}

UnitsViewController* AdditionalUnitsViewController::selectionScreen() const {
    return qobject_cast<UnitsViewController*>(appDelegate.UnitsViewControllerDelegate.data());
}

void AdditionalUnitsViewController::refreshStatus() {
    const UnitsViewController* selection = selectionScreen();
    setStatusText(
        additionalStatusText(selection ? selection->LastSelectedNumberIndex : 0, Section));
}

std::string AdditionalUnitsViewController::additionalStatusText(int index, int section) const {
    const Category* category = categoryAt(section);
    if (index == 1) {
        if (texts.shouldUseSimpleLocalisation)
            return "... \u2192";
        return category ? category->pickFirstUnit : std::string();
    }
    if (texts.shouldUseSimpleLocalisation) {
        const UnitsViewController* selection = selectionScreen();
        std::string name;
        if (selection)
            name = selection->shortNameAt(section, selection->SelectedRow0).value_or(std::string());
        return name + " \u2192 ...";
    }
    return category ? category->pickSecondUnit : std::string();
}

int AdditionalUnitsViewController::catalogueRowForCompactRow(int compactRow, int category) const {
    const Category* shown = categoryAt(category);
    if (!shown)
        return -1;
    const auto& units = shown->unitDefinitions;
    for (std::size_t row = 0; row < units.size(); ++row)
        if (units[row].indexOfCompactList == compactRow)
            return static_cast<int>(row);
    return -1;
}

void AdditionalUnitsViewController::reloadTable() {
    shownNames.clear();
    std::vector<UnitListModel::Entry> entries;
    if (const Category* category = categoryAt(Section))
        for (const UnitDefinition& unit : category->unitDefinitions) {
            const auto note =
                Section == currencySection ? fixedRateNote(unit.shortName) : std::nullopt;
            const std::string text = note ? unit.longName + " · " + *note : unit.longName;
            entries.push_back({UnitListModel::Kind::Unit, QString::fromStdString(text), Section,
                               static_cast<int>(shownNames.size())});
            shownNames.push_back(unit.longName);
        }
    const Category* currency = categoryAt(currencySection);
    showNoRatesNote(Section == currencySection && currency && !carriesRatesOfADocument(*currency));
    model.setEntries(std::move(entries));
    const UnitsViewController* selection = selectionScreen();
    if (selection && selection->SelectedSection0 == Section && selection->SelectedRow0 >= 0)
        model.setMarked({{Section, catalogueRowForCompactRow(selection->SelectedRow0, Section)}});
    else
        model.setMarked({});
}

void AdditionalUnitsViewController::showNoRatesNote(bool shown) {
    if (NoRatesLabel)
        NoRatesLabel->setVisible(shown);
}

void AdditionalUnitsViewController::didSelectRow(int, int row) {
    Category* category = categoryAt(Section);
    const auto r = static_cast<std::size_t>(row);
    // A rate document may have replaced the units since the list was drawn:
    // show the new ones instead of picking whatever now sits in that place.
    if (!category || row < 0 || r >= category->unitDefinitions.size() || r >= shownNames.size() ||
        category->unitDefinitions[r].longName != shownNames[r]) {
        reloadTable();
        return;
    }
    renumberAfterNewRates();
    UnitsViewController* selection = selectionScreen();
    if (selection && selection->LastSelectedNumberIndex == 0)
        pickSecondUnit(*selection, r);
    else
        pickFirstUnit(selection, r);
}

void AdditionalUnitsViewController::renumberAfterNewRates() {
    // A new rate document brings unnumbered currencies: without a rebuild the
    // compact rows would name no unit, and the pick would silently fail.
    UnitsViewController* selection = selectionScreen();
    const Category* category = categoryAt(Section);
    if (!selection || !category)
        return;
    const auto& units = category->unitDefinitions;
    if (std::any_of(units.begin(), units.end(), [](const UnitDefinition& unit) {
            return unit.added && unit.indexOfCompactList < 0;
        }))
        selection->rebuildCompactList();
}

void AdditionalUnitsViewController::pickSecondUnit(UnitsViewController& selection,
                                                   std::size_t row) {
    if (static_cast<int>(row) == catalogueRowForCompactRow(selection.SelectedRow0, Section)) {
        selection.LastSelectedNumberIndex = 1;
        selection.SelectedSection0 = selection.SelectedSection1 = -1;
        selection.SelectedRow0 = selection.SelectedRow1 = -1;
        setStatusText(additionalStatusText(1, Section));
        reloadTable();
        selection.reloadTable();
        return;
    }
    dismissSelf(false);
    if (!categoryAt(Section)->unitDefinitions[row].added) {
        addToCompactList(row);
        // The rebuild also moves the first unit's row when the new one lands before it.
        selection.rebuildCompactList();
    }
    selection.SelectedSection1 = Section;
    selection.SelectedRow1 = categoryAt(Section)->unitDefinitions[row].indexOfCompactList;
    selection.completeSelection();
}

void AdditionalUnitsViewController::addToCompactList(std::size_t row) {
    AddedUnits::add(unitCatalogue(), {static_cast<std::size_t>(Section), row},
                    UnitNameIndex::ofSharedCatalogue(), appDelegate.store());
}

void AdditionalUnitsViewController::pickFirstUnit(UnitsViewController* selection, std::size_t row) {
    UnitDefinition& unit = categoryAt(Section)->unitDefinitions[row];
    if (selection) {
        selection->LastSelectedNumberIndex = 0;
        selection->SelectedSection0 = Section;
        selection->SelectedRow0 = unit.indexOfCompactList;
    }
    if (!unit.added) {
        addToCompactList(row);
        if (selection) {
            selection->rebuildCompactList();
            selection->SelectedRow0 = categoryAt(Section)->unitDefinitions[row].indexOfCompactList;
        }
    }
    refreshStatus();
    if (selection) {
        selection->reloadTable();
        selection->refreshStatus();
    }
    reloadTable();
}

void AdditionalUnitsViewController::backPushed() {
    dismissSelf(true);
    reloadTable();
    if (UnitsViewController* selection = selectionScreen())
        selection->refreshStatus();
    fadeInMainUnitButton();
}

} // namespace ratio
