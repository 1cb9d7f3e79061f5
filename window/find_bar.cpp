// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/find_bar.h"

#include "window/french_figures.h"
#include "window/number_field/number_field.h"

#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>

namespace window {

namespace {

// Characters counted between two of the window's events: about a
// millisecond's work, more where the sequence is frequent.
constexpr qsizetype CountedAtOnce = 1 << 20;

QToolButton* addButton(QToolBar& bar, const char* name, const QString& caption,
                       const QString& description) {
    auto* button = new QToolButton(&bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setAccessibleName(description);
    button->setToolTip(description);
    bar.addWidget(button);
    return button;
}

// The digits typed, blanks left out; none when something else was typed.
std::optional<QString> typedDigits(const QString& typed) {
    QString digits;
    for (const QChar c : typed) {
        if (c.isDigit() && c.unicode() < 0x80) {
            digits += c;
        } else if (!c.isSpace()) {
            return std::nullopt;
        }
    }
    return digits;
}

} // namespace

FindBar::FindBar(std::function<NumberField*()> currentField, QWidget* parent)
    : QToolBar(QStringLiteral("Rechercher"), parent), currentField_(std::move(currentField)) {
    setObjectName(QStringLiteral("barreRecherche"));
    setAccessibleName(QStringLiteral("Rechercher des chiffres"));
    setMovable(false);
    setFloatable(false);
    toggleViewAction()->setVisible(false);
    auto* caption = new QLabel(QStringLiteral("Rechercher :"), this);
    addWidget(caption);
    sequence_ = new QLineEdit(this);
    sequence_->setObjectName(QStringLiteral("txtRecherche"));
    sequence_->setAccessibleName(QStringLiteral("Chiffres à rechercher"));
    caption->setBuddy(sequence_);
    addWidget(sequence_);
    connect(addButton(*this, "cmdPrecedent", QStringLiteral("Précédent"),
                      QStringLiteral("Occurrence précédente (Maj+F3)")),
            &QToolButton::clicked, this, &FindBar::findPrevious);
    connect(addButton(*this, "cmdSuivant", QStringLiteral("Suivant"),
                      QStringLiteral("Occurrence suivante (F3, Entrée)")),
            &QToolButton::clicked, this, &FindBar::findNext);
    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("lblOccurrence"));
    result_->setAccessibleDescription(QStringLiteral("Résultat de la recherche"));
    addWidget(result_);
    connect(addButton(*this, "cmdFermerRecherche", QStringLiteral("×"),
                      QStringLiteral("Fermer la recherche (Échap)")),
            &QToolButton::clicked, this, &FindBar::close);
    connect(sequence_, &QLineEdit::returnPressed, this, &FindBar::findNext);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr,
                          Qt::WidgetWithChildrenShortcut),
            &QShortcut::activated, this, &FindBar::close);
    counter_.setInterval(0);
    connect(&counter_, &QTimer::timeout, this, &FindBar::countSome);
    hide();
}

void FindBar::open() {
    show();
    sequence_->setFocus();
    sequence_->selectAll();
}

void FindBar::findNext() {
    find(SearchDirection::Forward);
}

void FindBar::findPrevious() {
    find(SearchDirection::Backward);
}

void FindBar::close() {
    stopCounting();
    hide();
    if (NumberField* field = currentField_()) {
        field->setFocus();
    }
}

void FindBar::find(SearchDirection direction) {
    const std::optional<QString> digits = typedDigits(sequence_->text());
    if (!isVisible() || (digits && digits->isEmpty())) {
        open();
        if (!digits || digits->isEmpty()) {
            return;
        }
    }
    stopCounting();
    NumberField* field = currentField_();
    if (!digits) {
        say(QStringLiteral("Tapez des chiffres seulement."));
        return;
    }
    if (field == nullptr) {
        return;
    }
    const std::optional<FoundSequence> found = field->findSequence(*digits, direction);
    if (!found) {
        say(QStringLiteral("Introuvable"));
        return;
    }
    wrapNote_ = !found->wrapped                         ? QString()
                : direction == SearchDirection::Forward ? QStringLiteral(", reprise au début")
                                                        : QStringLiteral(", reprise à la fin");
    say(QStringLiteral("Occurrence trouvée") + wrapNote_);
    counting_ = field;
    counted_ = *digits;
    found_ = found->position;
    next_ = 0;
    total_ = 0;
    before_ = 0;
    editStopsCount_ = connect(field, &NumberField::textChanged, this, &FindBar::stopCounting);
    countSome();
    if (counting_ != nullptr) {
        counter_.start();
    }
}

// Counts the starts in the next million characters; says the result at the end.
void FindBar::countSome() {
    if (counting_ == nullptr) {
        stopCounting();
        return;
    }
    const qsizetype length = counting_->toPlainText().size();
    const qsizetype end = std::min(length, next_ + CountedAtOnce);
    const qsizetype split = std::clamp(found_, next_, end);
    const qsizetype earlier = counting_->countSequence(counted_, next_, split);
    before_ += earlier;
    total_ += earlier + counting_->countSequence(counted_, split, end);
    next_ = end;
    if (next_ >= length) {
        say(ordinalText(before_ + 1) + QStringLiteral(" occurrence sur ") + withThousands(total_) +
            wrapNote_);
        stopCounting();
    }
}

void FindBar::stopCounting() {
    counter_.stop();
    disconnect(editStopsCount_);
    counting_ = nullptr;
}

void FindBar::say(const QString& text) {
    result_->setText(text);
}

} // namespace window
