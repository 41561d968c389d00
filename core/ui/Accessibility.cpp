#include "core/ui/Accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace brivant {

namespace {

class CaptionedDropDown final : public QAccessibleWidget {
 public:
  explicit CaptionedDropDown(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return box()->currentText();
    const QString text = QAccessibleWidget::text(kind);
    // Without a caption, the item shown, as Qt says it.
    if (kind == QAccessible::Name && text.isEmpty()) return box()->currentText();
    return text;
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = box()->view() != nullptr && box()->view()->isVisible();
    state.editable = box()->isEditable();
    return state;
  }

  // The list opens as a press on its arrow opens it.
  QStringList actionNames() const override {
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == showMenuAction() || action == pressAction())
      box()->showPopup();
    else
      QAccessibleWidget::doAction(action);
  }

 private:
  QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* dropDownFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("QComboBox")) return nullptr;
  auto* box = qobject_cast<QComboBox*>(object);
  return box != nullptr ? new CaptionedDropDown(box) : nullptr;
}

}  // namespace

void nameDropDownListsByCaption() {
  static const bool installed = [] {
    QAccessible::installFactory(&dropDownFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace brivant
