#include "app/window/design_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "state/world.h"

namespace {

struct Choice {
  const char* label;
  int32_t value;
};

struct ChoiceGroup {
  const char* title;
  int32_t World::*field;
  std::vector<Choice> choices;
};

const std::vector<ChoiceGroup>& Groups() {
  static const std::vector<ChoiceGroup> groups = {
      {"長さ",
       &World::DesignLength,
       {{"20 ft", 20}, {"25 ft", 25}, {"30 ft", 30}, {"35 ft", 35}, {"40 ft", 40}, {"50 ft", 50}}},
      {"排水量", &World::DesignDisplacement, {{"重", 11}, {"中", 10}, {"軽", 9}, {"超軽", 8}}},
      {"セール面積", &World::DesignSailArea, {{"大", 11}, {"中", 10}, {"小", 9}}},
      {"リグ", &World::DesignRig, {{"フラクショナル", 80}, {"マストヘッド", 100}}},
  };
  return groups;
}

}  // namespace

DesignDialog::DesignDialog(World& w, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("デザイン"));
  setModal(true);

  auto* groupsRow = new QHBoxLayout;
  for (const ChoiceGroup& g : Groups()) {
    auto* box = new QGroupBox(QString::fromUtf8(g.title), this);
    auto* column = new QVBoxLayout(box);
    auto* exclusive = new QButtonGroup(box);
    for (const Choice& c : g.choices) {
      auto* radio = new QRadioButton(QString::fromUtf8(c.label), box);
      radio->setChecked(w.*g.field == c.value);
      exclusive->addButton(radio);
      column->addWidget(radio);
      const auto field = g.field;
      const int32_t value = c.value;
      connect(radio, &QRadioButton::clicked, this, [&w, field, value] { w.*field = value; });
    }
    column->addStretch(1);
    groupsRow->addWidget(box);
  }

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch(1);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(groupsRow, 1);
  layout->addLayout(buttons);
}
