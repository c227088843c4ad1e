#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Debian's WebKitGTK in a bare window, for WebKitWebDriver: what its
MiniBrowser does under automation, without the toolbar that keeps
MiniBrowser's window 447 pixels wide or more, so that a phone's 360 pixels
are the page's own width. WebKitWebDriver starts it (web_page_test.py names
it as the browser) and drives every view through WebKit's automation session.

Nothing is stored (an ephemeral context), nothing is fetched ahead (no DNS
prefetching), and the console goes to standard output, where the driver's log
keeps it for the tests.
"""
import gi

gi.require_version("Gtk", "3.0")
gi.require_version("WebKit2", "4.1")
from gi.repository import Gtk, WebKit2  # noqa: E402

context = WebKit2.WebContext.new_ephemeral()
context.set_automation_allowed(True)
settings = WebKit2.Settings(enable_write_console_messages_to_stdout=True,
                            enable_dns_prefetching=False, enable_developer_extras=False,
                            hardware_acceleration_policy=WebKit2.HardwareAccelerationPolicy.NEVER)


def create_view(session):
    view = WebKit2.WebView(web_context=context, settings=settings,
                           is_controlled_by_automation=True)
    window = Gtk.Window()
    window.add(view)
    view.connect("close", lambda v: window.destroy())
    window.show_all()
    return view


def started(_context, session):
    info = WebKit2.ApplicationInfo()
    info.set_name("VelmoraWebKit")
    info.set_version(WebKit2.get_major_version(), WebKit2.get_minor_version(),
                     WebKit2.get_micro_version())
    session.set_application_info(info)
    session.connect("create-web-view", create_view)


context.connect("automation-started", started)
Gtk.main()
