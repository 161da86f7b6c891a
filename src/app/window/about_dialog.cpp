#include "app/window/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/window/program_icon.h"

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("このシミュレータについて"));
  setModal(true);

  auto* icon = new QLabel(this);
  icon->setPixmap(ProgramPixmap());
  auto* name = new QLabel(QStringLiteral("Brisamar J"), this);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* row = new QHBoxLayout;
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addSpacing(12);
  row->addWidget(name, 1, Qt::AlignVCenter);
  row->addSpacing(24);
  row->addWidget(ok, 0, Qt::AlignTop);
  setLayout(row);
}
