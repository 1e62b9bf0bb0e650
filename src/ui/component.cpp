#include "ui/component.h"

#include "ui/form.h"

namespace vrn::ui {

Component::Component(Form& form, std::string name) : form_(form), name_(std::move(name)) {
  form_.adopt(*this);
}

Component::~Component() { form_.release(*this); }

std::optional<std::u16string> Component::property(std::string_view) const { return std::nullopt; }

}  // namespace vrn::ui
