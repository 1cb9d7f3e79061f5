// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/go_to_dialog.h"

#include "window/french_figures.h"
#include "window/number_field/number_field.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace window {

namespace {

// The digit number typed, blanks left out; none when it is not a whole
// number of at most 18 digits.
std::optional<qint64> typedNumber(const QString& typed) {
    QString digits;
    for (const QChar c : typed) {
        if (!c.isSpace()) {
            digits += c;
        }
    }
    bool isNumber = false;
    const qint64 number = digits.toLongLong(&isNumber);
    const bool onlyDigits = std::ranges::all_of(digits, [](QChar c) { return c.isDigit(); });
    return isNumber && onlyDigits && digits.size() <= 18 ? std::optional(number) : std::nullopt;
}

} // namespace

GoToDigitDialog::GoToDigitDialog(NumberField& field, QWidget* parent)
    : QDialog(parent), field_(field) {
    setObjectName(QStringLiteral("dlgAllerAuChiffre"));
    setWindowTitle(QStringLiteral("Aller au chiffre"));
    setAccessibleName(windowTitle());
    const qint64 count = field.digitCount();
    auto* prompt = new QLabel(
        count > 0 ? QStringLiteral("Numéro du chiffre, de 1 à %1 :").arg(withThousands(count))
                  : QStringLiteral("Ce champ ne contient aucun chiffre."),
        this);
    number_ = new QLineEdit(this);
    number_->setObjectName(QStringLiteral("txtNumeroChiffre"));
    number_->setAccessibleName(QStringLiteral("Numéro du chiffre"));
    prompt->setBuddy(number_);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("lblMessage"));
    message_->setAccessibleName(QStringLiteral("Message"));
    message_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(number_);
    layout->addWidget(message_);
    layout->addWidget(buttons);
}

void GoToDigitDialog::accept() {
    const qint64 count = field_.digitCount();
    const std::optional<qint64> number = typedNumber(number_->text());
    if (count == 0) {
        message_->setText(QStringLiteral("Ce champ ne contient aucun chiffre."));
    } else if (!number) {
        message_->setText(
            QStringLiteral("Tapez un nombre entier de 1 à %1.").arg(withThousands(count)));
    } else if (!field_.goToDigit(*number)) {
        message_->setText(
            QStringLiteral("Ce champ n'a pas de chiffre n° %1 : ses chiffres vont de 1 à %2.")
                .arg(withThousands(*number), withThousands(count)));
    } else {
        QDialog::accept();
        return;
    }
    number_->setFocus();
    number_->selectAll();
}

} // namespace window
