// Instances that never ran __init__.
//
// `cls.__new__(cls)` yields an instance that holds no value. When such an
// instance is passed to a bound function, the binding layer allocates raw
// storage for the value on the spot and hands that uninitialised memory to the
// function, which then reads garbage (and the storage leaks if __init__ runs
// later). The binding layer takes that storage from the type's operator_new
// hook when one is set, and only in this situation: constructors receive
// their instance through another path. Setting the hook to a function that
// raises makes every use of an uninitialised instance a TypeError, while
// `__new__` followed by `__init__` keeps working and no registered name
// changes.
#include "module/planara.h"

namespace {

[[noreturn]] void *refuse(std::size_t) {
    throw py::type_error("object was created without __init__ and holds no value");
}

}  // namespace

void refuse_uninitialised_instances(py::module_ &m) {
    planara::for_each_class(m, [](PyTypeObject *, py::detail::type_info *info) {
        info->operator_new = &refuse;
    });
}
