#include "app/UnitsBaseViewController.h"

#include "app/AppDelegate.h"
#include "app/CalculatorViewController.h"
#include "app/PresentationStack.h"
#include "app/UnitListView.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace ratio {

namespace {

// Prompts take one line or two; the status line keeps room for two, so the
// list below stays put when the prompt changes between the two steps.
void reserveTwoLines(QLabel& label) {
    label.ensurePolished();
    const QString shown = label.text();
    label.setText(QStringLiteral("M\nM"));
    label.setMinimumHeight(label.sizeHint().height());
    label.setText(shown);
}

} // namespace

UnitsBaseViewController::UnitsBaseViewController(AppDelegate& appDelegate,
                                                 const LocalizedStrings& texts, QWidget* parent)
    : AnyViewController(parent), appDelegate(appDelegate), texts(texts) {
    setAttribute(Qt::WA_StyledBackground);
    setAutoFillBackground(true);
}

void UnitsBaseViewController::takeOutlets(UnitListView* table, QLabel* status, QPushButton* back) {
    TableView = table;
    StatusLabel = status;
    BackButton = back;
    if (StatusLabel)
        reserveTwoLines(*StatusLabel);
    if (TableView) {
        TableView->setModel(&model);
        connect(TableView, &UnitListView::tapped, this, &UnitsBaseViewController::rowTapped);
        connect(TableView, &UnitListView::backRequested, this,
                &UnitsBaseViewController::backPushed);
        setFocusProxy(TableView);
    }
    if (BackButton) {
        connect(BackButton, &QPushButton::pressed, this, &AnyViewController::anyButtonTouchDown);
        connect(BackButton, &QPushButton::clicked, this, &UnitsBaseViewController::backPushed);
    }
}

void UnitsBaseViewController::rowTapped(int section, int row) {
    anyButtonTouchDown();
    didSelectRow(section, row);
}

void UnitsBaseViewController::setStatusText(const std::string& text) {
    if (StatusLabel)
        StatusLabel->setText(QString::fromStdString(text));
}

void UnitsBaseViewController::setBackTitle(const std::string& title) {
    if (BackButton) {
        BackButton->setText(QString::fromStdString(title));
        BackButton->setAccessibleName(BackButton->text());
    }
}

void UnitsBaseViewController::dismissSelf(bool animated) {
    PresentationStack::of(*this).dismiss(this, animated);
}

CalculatorViewController* UnitsBaseViewController::mainScreen() const {
    return appDelegate.CalculatorViewControllerDelegate.data();
}

void UnitsBaseViewController::fadeInMainUnitButton() {
    if (CalculatorViewController* main = mainScreen())
        main->fadeInUnitButton();
}

void UnitsBaseViewController::keyPressEvent(QKeyEvent* event) {
    // Escape goes back from anywhere on the screen, and never reaches the
    // main screen beneath, where it would clear the calculator.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Back) {
        backPushed();
        return;
    }
    event->accept();
}

} // namespace ratio
