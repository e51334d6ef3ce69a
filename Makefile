# Set-up and everyday commands. Each target installs what it needs on a fresh
# Debian machine with Python 3.11: the CGAL and Boost headers (apt), a .venv with
# the build and test requirements, and the module itself.

PYTHON  ?= python3.11
VENV    := .venv
VPY     := $(VENV)/bin/python
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
HEADERS := /usr/include/CGAL/Simple_cartesian.h /usr/include/boost/math/special_functions/next.hpp
# install builds the wheel here and installs that very file, so the wheel check
# and the test suite see one build.
WHEELHOUSE := build/wheelhouse

.PHONY: demo test bench install system-deps clean stubs wheel-check

demo: install
	$(VPY) examples/tour.py
	@echo
	$(VPY) examples/picture.py build/picture.svg

test: install
	$(VPY) -m pytest

# One table: planara_core against plain Python, shapely 2.x and the binding
# layer's floor (see benchmarks/run.py; options through BENCH_ARGS).
bench: install $(VENV)/.bench
	$(VPY) benchmarks/run.py $(BENCH_ARGS)

# The build requirements live in .venv and the build tree in build/, so a
# rebuild compiles only what changed.
install: system-deps $(VENV)/.requirements
	rm -f $(WHEELHOUSE)/planara_core-*.whl
	$(VPY) -m pip wheel --quiet --no-deps --no-build-isolation --wheel-dir $(WHEELHOUSE) .
	$(VPY) -m pip install --quiet --no-deps --force-reinstall $(WHEELHOUSE)/planara_core-*.whl

# Rewrites python/planara_core.pyi from the installed module; commit the result.
stubs: install
	$(VPY) python/stubgen.py --write

# Installs the wheel into a fresh virtual environment and runs the tour from it.
wheel-check: install
	$(VPY) -m pytest -m wheel

system-deps:
	@for h in $(HEADERS); do \
	  if [ ! -f $$h ]; then \
	    echo "installing libcgal-dev and libboost-dev"; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq libcgal-dev libboost-dev || exit 1; \
	    break; \
	  fi; \
	done

$(VPY):
	$(PYTHON) -m venv $(VENV)
	$(VPY) -m pip install --quiet --upgrade pip

$(VENV)/.requirements: $(VPY) python/requirements-build.txt python/requirements-test.txt
	$(VPY) -m pip install --quiet -r python/requirements-build.txt -r python/requirements-test.txt
	touch $@

# shapely for the comparison, and the floor: a minimal binding built with the
# same pybind11 (the one in .venv) and the same flags as the module.
$(VENV)/.bench: $(VENV)/.requirements $(wildcard benchmarks/floor/*)
	$(VPY) -m pip install --quiet "shapely>=2,<3"
	$(VPY) -m pip install --quiet --no-build-isolation -C build-dir=$(CURDIR)/build/floor ./benchmarks/floor
	touch $@

clean:
	rm -rf build $(VENV)
