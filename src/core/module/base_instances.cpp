// Instances of the binding layer's shared base class.
//
// Every class of the module derives from one base class that the binding
// layer shares between all modules built with it. That base holds no value
// type, and its object-creation slot throws a C++ exception when asked for an
// instance of a type with no registered value type: the exception leaves a C
// callback and the process aborts. Plain Python reaches that slot:
// `type(obj).__base__()`, a Python class derived from the base alone, and the
// fallback reduction of pickle protocols 0 and 1, which calls the nearest base
// that defines __new__ (the shared base) with the object to pickle.
//
// The slot is replaced by one that refuses such types with TypeError and hands
// every other request to the original slot unchanged. The base and every class
// that inherited its slot, of this module and of any other module sharing the
// base, get the new slot: classes must keep the slot of the base, or the
// interpreter would call `Cls.__new__(Cls)` unsafe. Nothing registered changes
// and no class gains a name; only requests that used to abort now raise.
#include "module/planara.h"

#include <string>
#include <vector>

namespace {

newfunc original_new = nullptr;
PyTypeObject *base_type = nullptr;
std::vector<PyTypeObject *> own_classes;

bool holds_values(PyTypeObject *type) { return !py::detail::all_type_info(type).empty(); }

bool is_own_class(PyTypeObject *type) {
    for (PyTypeObject *own : own_classes) {
        if (type == own) return true;
    }
    return false;
}

bool derives_from_own_class(PyTypeObject *type) {
    for (PyTypeObject *own : own_classes) {
        if (PyType_IsSubtype(type, own)) return true;
    }
    return false;
}

// Whether copyreg holds a reducer for exactly this class (planara registers one
// for each of the module's classes).
bool has_registered_reducer(PyTypeObject *type) {
    py::dict table = py::module_::import("copyreg").attr("dispatch_table");
    return table.contains(py::handle(reinterpret_cast<PyObject *>(type)));
}

// What a caller of the fallback reduction is told about obj's class.
std::string pickling_refusal(PyTypeObject *type) {
    std::string text = std::string("cannot pickle '") + type->tp_name + "' object";
    if (is_own_class(type)) {
        if (has_registered_reducer(type)) {
            return text + " through object.__reduce__ or __reduce_ex__ with protocol 0 or 1; "
                          "pickle, copy and deepcopy use the reducer that planara registered";
        }
        return text + ": import planara, which makes planara_core objects picklable";
    }
    if (derives_from_own_class(type)) {
        return text + ": planara pickles the classes of planara_core, not subclasses of them";
    }
    return text;
}

void refuse(PyTypeObject *type, PyObject *args) {
    // The fallback reduction calls the base with the one object to pickle.
    PyObject *obj = args != nullptr && PyTuple_Check(args) && PyTuple_GET_SIZE(args) == 1
                        ? PyTuple_GET_ITEM(args, 0)
                        : nullptr;
    if (type == base_type && obj != nullptr && PyObject_TypeCheck(obj, base_type) &&
        holds_values(Py_TYPE(obj))) {
        try {
            PyErr_SetString(PyExc_TypeError, pickling_refusal(Py_TYPE(obj)).c_str());
        } catch (py::error_already_set &e) {
            e.restore();
        } catch (const std::exception &e) {
            PyErr_SetString(PyExc_TypeError, e.what());
        }
        return;
    }
    PyErr_Format(PyExc_TypeError, "cannot create '%s' instances: it holds no value of a bound class",
                 type->tp_name);
}

extern "C" PyObject *checked_new(PyTypeObject *type, PyObject *args, PyObject *kwargs) {
    // The module's own classes first: this is the path of every constructor call.
    if (is_own_class(type) || holds_values(type)) {
        return original_new(type, args, kwargs);
    }
    refuse(type, args);
    return nullptr;
}

// The type and all its subclasses, however deep, that still create instances
// through the original slot.
void replace_slot(PyTypeObject *type, newfunc from) {
    if (type->tp_new == from) {
        type->tp_new = &checked_new;
    }
    const py::list subclasses = py::handle(reinterpret_cast<PyObject *>(type)).attr("__subclasses__")();
    for (py::handle sub : subclasses) {
        replace_slot(reinterpret_cast<PyTypeObject *>(sub.ptr()), from);
    }
}

}  // namespace

void refuse_base_instances(py::module_ &m) {
    planara::for_each_class(m, [](PyTypeObject *type, py::detail::type_info *) {
        own_classes.push_back(type);
    });
    base_type = reinterpret_cast<PyTypeObject *>(py::detail::get_internals().instance_base);
    // Another copy of this library in the process may have replaced the slot
    // already; then this copy's slot checks and hands on to that one.
    original_new = base_type->tp_new;
    replace_slot(base_type, original_new);
}
