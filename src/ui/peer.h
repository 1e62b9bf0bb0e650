#pragma once
// Peer: a backend's window for one control or form. The seam keeps every
// piece of state; a peer only shows it. When state changes the seam tells
// the peer which aspect changed and the peer reads the new value back from
// its control. The headless backend has no peers.

namespace vrn::ui {

enum class Aspect {
  Text,       // text of an edit, memo or combo box
  Selection,  // caret and selection of an edit; selected item, node or cell
  Caption,
  Items,    // items of lists, combos, menus, radio groups; panels; pages
  Checked,  // check boxes, check-list items, menu items; tool buttons' down state
  Visible,
  Enabled,
  Bounds,
  Appearance,  // font, colour, alignment, reading direction, images, hint
  ReadOnly,
  Cells,  // a grid's cells, sizes and colours
  Nodes,  // a tree's nodes, their captions, images and expansion; in-place editing
};

class Peer {
 public:
  virtual ~Peer() = default;
  virtual void changed(Aspect aspect) = 0;
};

}  // namespace vrn::ui
