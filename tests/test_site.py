"""The site that `make docs` built, opened in headless Chromium (Debian's chromium,
driven by selenium through Debian's chromedriver) as a reader would open it,
from a server on this machine.

Every page loads with no console error and no request that leaves the site; the
browser also resolves no other host, so nothing could be fetched even by
mistake. The search finds names, the navigation reaches every guide page, and
screenshots of the home page and of an API page are written beside the site
(build/docs/screenshots). Run by `make docs-check`.
"""

import contextlib
import functools
import http.server
import json
import pathlib
import threading
import urllib.parse

import pytest

ROOT = pathlib.Path(__file__).resolve().parents[1]
SITE = ROOT / "build" / "docs" / "html"
SCREENSHOTS = ROOT / "build" / "docs" / "screenshots"
GUIDE = sorted(path.stem for path in (ROOT / "docs" / "guide").glob("*.md") if path.stem != "index")

pytestmark = pytest.mark.site


@pytest.fixture(scope="module")
def origin():
    """The site served over HTTP from 127.0.0.1, as the base URL."""
    assert (SITE / "index.html").exists(), "no site: run `make docs`"
    handler = functools.partial(_QuietHandler, directory=str(SITE))
    with http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler) as server:
        thread = threading.Thread(target=server.serve_forever, daemon=True)
        thread.start()
        yield f"http://127.0.0.1:{server.server_address[1]}/"
        server.shutdown()


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


@pytest.fixture(scope="module")
def browser():
    webdriver = pytest.importorskip("selenium.webdriver")
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--window-size=1280,900",
                     # Only this machine resolves: a request elsewhere fails at once.
                     "--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1"):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    service = webdriver.ChromeService(executable_path="/usr/bin/chromedriver")
    driver = webdriver.Chrome(options=options, service=service)
    driver.set_page_load_timeout(60)
    yield driver
    driver.quit()


def visit(browser, url):
    """Loads url and returns (console errors, URLs requested) of that visit."""
    browser.get_log("browser"), browser.get_log("performance")  # drop earlier entries
    browser.get(url)
    browser.execute_script("return document.readyState")
    errors = [entry["message"] for entry in browser.get_log("browser")
              if entry["level"] == "SEVERE"]
    requested = []
    for entry in browser.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            requested.append(message["params"]["request"]["url"])
    return errors, requested


def outside(origin, urls):
    return [url for url in urls
            if not url.startswith(origin) and urllib.parse.urlsplit(url).scheme not in
            ("data", "blob", "about")]


PAGES = sorted(path.relative_to(SITE).as_posix() for path in SITE.rglob("*.html")
               if not path.relative_to(SITE).parts[0].startswith("_"))


def test_every_page_loads_without_errors_or_outside_requests(browser, origin):
    assert len(PAGES) > 20, PAGES
    failures = {}
    for page in PAGES:
        errors, requested = visit(browser, origin + page)
        if errors or outside(origin, requested) or not requested:
            failures[page] = {"console errors": errors, "outside": outside(origin, requested)}
    assert not failures, failures


@pytest.mark.parametrize("query, target", [
    ("locate", "api/planara/array/index.html#planara.array.locate"),
    ("Triangle2", "api/planara_core/index.html#planara_core.Triangle2"),
])
def test_search_finds(browser, origin, query, target):
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support.ui import WebDriverWait

    errors, requested = visit(browser, f"{origin}search.html?q={query}")
    assert not errors and not outside(origin, requested)
    WebDriverWait(browser, 30).until(
        lambda driver: driver.find_elements(By.CSS_SELECTOR, "#search-results li"))
    links = [a.get_attribute("href")
             for a in browser.find_elements(By.CSS_SELECTOR, "#search-results li a")]
    assert origin + target in links, links


@pytest.mark.parametrize("page", ["index.html", "search.html?q=Triangle2",
                                  "guide/orientation.html"])
def test_pages_open_from_files_too(browser, page):
    """Opened from the file system, with no server: the same pages, the search
    included, without errors."""
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support.ui import WebDriverWait

    origin = SITE.as_uri() + "/"
    errors, requested = visit(browser, origin + page)
    if page.startswith("search"):
        WebDriverWait(browser, 30).until(
            lambda driver: driver.find_elements(By.CSS_SELECTOR, "#search-results li"))
        errors += [entry["message"] for entry in browser.get_log("browser")
                   if entry["level"] == "SEVERE"]
    assert not errors and not outside(origin, requested), (errors, requested)


def test_navigation_reaches_every_guide_page(browser, origin):
    from selenium.webdriver.common.by import By

    visit(browser, origin + "index.html")
    links = {urllib.parse.urljoin(browser.current_url, a.get_attribute("href")).split("#")[0]
             for a in browser.find_elements(By.CSS_SELECTOR, ".sidebar-tree a")}
    wanted = {f"{origin}guide/{name}.html" for name in GUIDE}
    wanted |= {f"{origin}{name}.html" for name in ("install", "cgal", "performance",
                                                    "development", "changelog", "api")}
    wanted.add(f"{origin}gallery/index.html")
    assert wanted <= links, sorted(wanted - links)


@pytest.mark.parametrize("page, name", [
    ("index.html", "home.png"),
    ("api/planara/array/index.html", "api-planara-array.png"),
])
def test_screenshot(browser, origin, page, name):
    visit(browser, origin + page)
    SCREENSHOTS.mkdir(parents=True, exist_ok=True)
    with contextlib.suppress(FileNotFoundError):
        (SCREENSHOTS / name).unlink()
    assert browser.save_screenshot(str(SCREENSHOTS / name))
    assert (SCREENSHOTS / name).read_bytes()[:8] == b"\x89PNG\r\n\x1a\n"
