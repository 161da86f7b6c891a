// The Design dialog: length, displacement, sail area and rig of the designable boats. A click
// on a radio button stores its value at once, so "キャンセル" undoes nothing; both buttons
// only close the dialog.
#pragma once

#include <QDialog>

struct World;

class DesignDialog : public QDialog {
  Q_OBJECT

 public:
  DesignDialog(World& w, QWidget* parent = nullptr);
};
