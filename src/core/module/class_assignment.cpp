// `obj.__class__ = Other` between the module's classes.
//
// Every instance of the binding layer's classes has the same object layout,
// whatever value it holds, so the interpreter's layout check would let an
// object of one class become any other class of this module (or of any module
// built with the same binding layer), and its held value would then be read,
// and by Bbox2's in-place operations written, as a value of another type. The
// interpreter refuses a `__class__` assignment outright when the two classes
// free their instances through different functions ("deallocator differs").
// Each class therefore gets its own free function, which does exactly what the
// inherited one does. Nothing registered changes, and a call never goes
// through the function: only the release of an instance does.
#include "module/planara.h"

#include <array>
#include <cstddef>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

template <std::size_t N>
void free_instance(void *self) {
    PyObject_Free(self);
}

template <std::size_t... N>
constexpr std::array<freefunc, sizeof...(N)> make_free_functions(std::index_sequence<N...>) {
    return {&free_instance<N>...};
}

// More than the module has classes.
constexpr auto free_functions = make_free_functions(std::make_index_sequence<16>());

}  // namespace

void refuse_class_reassignment(py::module_ &m) {
    std::set<freefunc> used;
    planara::for_each_class(m, [&used](PyTypeObject *type, py::detail::type_info *) {
        if (used.size() == free_functions.size()) {
            throw std::logic_error("more classes than free functions");
        }
        if (type->tp_free != &PyObject_Free) {
            throw std::logic_error(std::string(type->tp_name) + " does not free with PyObject_Free");
        }
        // The check relies on distinct functions: refuse to load if the
        // compiler ever folds them into one.
        const freefunc own = free_functions[used.size()];
        if (!used.insert(own).second) {
            throw std::logic_error("the free functions of the classes are not distinct");
        }
        type->tp_free = own;
    });
}
