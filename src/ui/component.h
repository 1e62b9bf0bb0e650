#pragma once
// Component: a named part of a form (a control, a menu item, a timer, a
// dialog). Components are members of their form's class and register with
// it on construction, so that scripts and backends find them by name:
//
//   class TfrmDemo : public ui::Form {
//     ui::Edit Edit1{*this, "Edit1"};
//     ui::Button btnOk{*this, "btnOk", u"OK"};
//   };
//
// A component cannot be copied or moved; it lives exactly as long as the
// member it is.

#include <optional>
#include <string>
#include <string_view>

namespace vrn::ui {

class Form;

class Component {
 public:
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;
  virtual ~Component();

  // The component name; empty for parts made at run time (menu items,
  // which scripts find by caption).
  const std::string& name() const { return name_; }
  Form& form() const { return form_; }

  // A property as scripts read it, or nothing when there is none of that
  // name (property names are case-insensitive; see property_text.h).
  virtual std::optional<std::u16string> property(std::string_view name) const;

 protected:
  Component(Form& form, std::string name);

 private:
  Form& form_;
  std::string name_;
};

}  // namespace vrn::ui
