"""The scenarios' X servers take displays from a high range, never :0 or a
display that another server holds; a second session beside the first takes
the next free number."""

import shutil

import driver
from driver import check


def display_number(env):
    return int(env["DISPLAY"].lstrip(":"))


def scenario(session):
    first = display_number(session.env)
    check(first >= driver.FIRST_DISPLAY, f"the session's X server took :{first}")
    check(driver.display_taken(first), f":{first} shows no socket or lock of its server")

    other = driver.Session(session.source_app, session.out_dir, session.name + "-other")
    other.env = {key: value for key, value in session.env.items() if key != "DISPLAY"}
    try:
        other._start_xvfb()
        second = display_number(other.env)
        check(second >= driver.FIRST_DISPLAY, f"the second X server took :{second}")
        check(second != first, f"both X servers report :{first}")
    finally:
        driver.kill_group(other.xvfb)
        shutil.rmtree(other.tmp, ignore_errors=True)


if __name__ == "__main__":
    driver.main(scenario)
