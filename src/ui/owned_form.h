#pragma once
// OwnedForm: a form from its creation to its destruction. Constructing it
// builds the form and runs onCreate; destroy() (or the end of its scope)
// runs onDestroy and frees the form, so a form's FormDestroy runs on every
// way out, exceptions included.
//
// When onCreate fails, onDestroy still runs (errors of that second call are
// dropped: the first one propagates). When the scope ends without
// destroy() and onDestroy fails, the error is shown in an error box, as an
// error of any other handler would be; call destroy() to get it instead.

#include <memory>
#include <utility>

#include "ui/form.h"

namespace vrn::ui {

// Runs onDestroy, showing an error it raises; never throws.
void destroyShowingErrors(Form& form) noexcept;

template <class F>
class OwnedForm {
 public:
  template <class... Args>
  explicit OwnedForm(Args&&... args) : form_(std::make_unique<F>(std::forward<Args>(args)...)) {
    try {
      form_->create();
    } catch (...) {
      try {
        form_->destroy();
      } catch (...) {
      }
      throw;
    }
  }
  ~OwnedForm() {
    if (form_) destroyShowingErrors(*form_);
  }
  OwnedForm(const OwnedForm&) = delete;
  OwnedForm& operator=(const OwnedForm&) = delete;

  F* operator->() const { return form_.get(); }
  F& operator*() const { return *form_; }

  // onDestroy, whose error propagates; the form is freed either way.
  void destroy() {
    std::unique_ptr<F> form = std::move(form_);
    form->destroy();
  }

 private:
  std::unique_ptr<F> form_;
};

}  // namespace vrn::ui
