#include "app/ShareSheet.h"

#include "localization/Localization.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace ratio {

namespace {

QPushButton* sheetButton(const QString& title, const char* name, QWidget* parent) {
    auto* button = new QPushButton(title, parent);
    button->setObjectName(name);
    button->setMinimumHeight(44);
    return button;
}

} // namespace

ShareSheet::ShareSheet(const QString& text, QWidget* parent) : QDialog(parent), sharedText(text) {
    const LocalizedStrings& strings = Localization::shared().strings();
    setObjectName("ShareSheet");
    setWindowTitle(QString::fromStdString(strings.Share));
    setStyleSheet("QDialog { background: #1c1c1e; } QLabel { color: white; font-size: 18px; }"
                  "QPushButton { background: #2c2c2e; color: #0a84ff; border: none;"
                  " border-radius: 10px; font-size: 17px; }");
    auto* layout = new QVBoxLayout(this);
    auto* preview = new QLabel(text, this);
    preview->setWordWrap(true);
    preview->setTextInteractionFlags(Qt::TextSelectableByMouse);
    preview->setTextFormat(Qt::PlainText);
    // The preview stands where the number row it shows stands, on the right,
    // also in languages that run right to left.
    preview->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    layout->addWidget(preview);
    QPushButton* copy = sheetButton(QString::fromStdString(strings.Copy), "CopyButton", this);
    QPushButton* mail = sheetButton(QString::fromStdString(strings.E_mail), "MailButton", this);
    QPushButton* cancel = sheetButton(QString::fromStdString(strings.Cancel), "CancelButton", this);
    for (QPushButton* button : {copy, mail, cancel})
        layout->addWidget(button);
    connect(copy, &QPushButton::clicked, this, [this] {
        copyToClipboard(sharedText);
        accept();
    });
    connect(mail, &QPushButton::clicked, this, [this] {
        QDesktopServices::openUrl(mailUrl(sharedText));
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ShareSheet* ShareSheet::present(const QString& text, QWidget* parent) {
    auto* sheet = new ShareSheet(text, parent);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->setWindowModality(Qt::WindowModal);
    if (parent)
        sheet->setMinimumWidth(std::min(360, parent->width() - 20));
    sheet->open();
    return sheet;
}

void ShareSheet::copyToClipboard(const QString& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(text);
}

QUrl ShareSheet::mailUrl(const QString& text) {
    QUrl url(QStringLiteral("mailto:"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("body"), QString::fromUtf8(QUrl::toPercentEncoding(text)));
    url.setQuery(query);
    return url;
}

} // namespace ratio
