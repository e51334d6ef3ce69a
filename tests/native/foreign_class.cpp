// Classes of another binding module: same binding layer, same instance layout,
// a different held value (two heap pointers where a point holds two doubles);
// Tag pickles itself through the binding layer's own pickling support.
#include <pybind11/pybind11.h>

#include <string>

struct Label {
    std::string text;
};

struct Tag {
    std::string text;
};

PYBIND11_MODULE(foreign_class, m) {
    namespace py = pybind11;
    py::class_<Label>(m, "Label")
        .def(py::init<std::string>())
        .def_property_readonly("text", [](const Label &l) { return l.text; });
    py::class_<Tag>(m, "Tag")
        .def(py::init<std::string>())
        .def_property_readonly("text", [](const Tag &t) { return t.text; })
        .def(py::pickle([](const Tag &t) { return py::make_tuple(t.text); },
                        [](const py::tuple &t) { return Tag{t[0].cast<std::string>()}; }));
}
