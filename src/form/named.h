#ifndef FRENCH_TEST_FORM_NAMED_H
#define FRENCH_TEST_FORM_NAMED_H

#include "form.h"

namespace form {

// An object of the form: the member of MainWindowUi that keeps it and the object name it
// carries. Write it with NAMED(member), so the name is the member's own, letter for letter.
template <class T>
struct Named {
    T *MainWindowUi::*member;
    const char *name;
};

template <class T>
constexpr Named<T> named(T *MainWindowUi::*member, const char *name)
{
    return {member, name};
}

#define NAMED(object) ::form::named(&MainWindowUi::object, #object)

} // namespace form

#endif
