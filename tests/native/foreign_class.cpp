// A class of another binding module: same binding layer, same instance layout,
// a different held value (two heap pointers where a point holds two doubles).
#include <pybind11/pybind11.h>

#include <string>

struct Label {
    std::string text;
};

PYBIND11_MODULE(foreign_class, m) {
    pybind11::class_<Label>(m, "Label")
        .def(pybind11::init<std::string>())
        .def_property_readonly("text", [](const Label &l) { return l.text; });
}
