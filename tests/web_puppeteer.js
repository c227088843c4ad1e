// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

"use strict";
// Debian's Firefox ESR for the page's tests (web_page_test.py), driven by
// puppeteer-core over WebDriver BiDi: one command a line on standard input,
// as JSON, and one answer a line on standard output, {value} or {error}.
//
//     node web_puppeteer.js        (PUPPETEER_CORE: where puppeteer-core is)
//
// The profile switches off whatever Firefox would fetch by itself: updates,
// telemetry, remote settings, the captive-portal and connectivity checks,
// safe browsing, prefetching, DNS over HTTPS and the new-tab page's feeds.
const puppeteer = require(process.env.PUPPETEER_CORE || "/var/cache/velmora/npm/node_modules/puppeteer-core");
const readline = require("node:readline");

const offline = {
    "app.update.auto": false,
    "app.update.disabledForTesting": true,
    "app.update.enabled": false,
    "browser.aboutHomeSnippets.updateUrl": "",
    "browser.newtabpage.activity-stream.feeds.system.topstories": false,
    "browser.newtabpage.activity-stream.feeds.telemetry": false,
    "browser.newtabpage.activity-stream.telemetry": false,
    "browser.newtabpage.enabled": false,
    "browser.ping-centre.telemetry": false,
    "browser.safebrowsing.blockedURIs.enabled": false,
    "browser.safebrowsing.downloads.enabled": false,
    "browser.safebrowsing.downloads.remote.enabled": false,
    "browser.safebrowsing.malware.enabled": false,
    "browser.safebrowsing.phishing.enabled": false,
    "browser.safebrowsing.provider.google.updateURL": "",
    "browser.safebrowsing.provider.google4.updateURL": "",
    "browser.safebrowsing.provider.mozilla.updateURL": "",
    "browser.search.update": false,
    "browser.startup.homepage_override.mstone": "ignore",
    "captivedetect.canonicalURL": "",
    "datareporting.healthreport.uploadEnabled": false,
    "datareporting.policy.dataSubmissionEnabled": false,
    "extensions.blocklist.enabled": false,
    "extensions.getAddons.cache.enabled": false,
    "extensions.update.enabled": false,
    "network.captive-portal-service.enabled": false,
    "network.connectivity-service.enabled": false,
    "network.dns.disablePrefetch": true,
    "network.http.speculative-parallel-limit": 0,
    "network.predictor.enabled": false,
    "network.prefetch-next": false,
    "network.trr.mode": 5,
    "services.settings.server": "data:,#remote-settings-dummy/v1",
    "toolkit.telemetry.archive.enabled": false,
    "toolkit.telemetry.enabled": false,
    "toolkit.telemetry.server": "",
    "toolkit.telemetry.unified": false,
};
// The page's copies and the tests' reading of them: the clipboard without
// the paste prompt (this preference also lifts the user-gesture rule).
const testing = { "dom.events.testing.asyncClipboard": true };

let browser = null;
let page = null;
const requests = [];
const messages = [];

// Focused as WebDriver's element keys focus it: the caret at the end.
const focus = async (selector) => {
    await page.$eval(selector, (target) => {
        if (document.activeElement === target)
            return;
        target.focus();
        if (typeof target.setSelectionRange === "function")
            target.setSelectionRange(target.value.length, target.value.length);
    });
};

const commands = {
    async launch({ width, height }) {
        browser = await puppeteer.launch({
            browser: "firefox",
            executablePath: "/usr/bin/firefox-esr",
            headless: true,
            extraPrefsFirefox: { ...offline, ...testing },
            // Without it a release build keeps its own remote-settings server.
            env: { ...process.env, MOZ_REMOTE_SETTINGS_DEVTOOLS: "1" },
        });
        page = (await browser.pages())[0] || (await browser.newPage());
        await page.setViewport({ width, height });
        page.on("request", (request) => requests.push(request.url()));
        page.on("console", (message) => messages.push(message.type() + ": " + message.text()));
        page.on("pageerror", (error) => messages.push("error: " + error.message));
        return browser.version();
    },
    async goto({ url }) {
        await page.goto(url, { waitUntil: "load" });
    },
    evaluate: ({ expression }) => page.evaluate(expression),
    async click({ selector }) {
        await page.click(selector);
    },
    async type({ selector, text }) {
        await focus(selector);
        await page.keyboard.type(text);
    },
    // "Alt+Shift+C", "Enter", "F8": the modifiers held, the last key pressed.
    async key({ selector, chord }) {
        if (selector)
            await focus(selector);
        const keys = chord === "+" ? ["+"] : chord.split("+");
        const last = keys.pop();
        for (const key of keys)
            await page.keyboard.down(key);
        await page.keyboard.press(last.length === 1 ? last.toLowerCase() : last);
        for (const key of keys.reverse())
            await page.keyboard.up(key);
    },
    async mouse({ x, y, count }) {
        await page.mouse.click(x, y, { count });
    },
    async viewport({ width, height }) {
        await page.setViewport({ width, height });
    },
    async screenshot({ path }) {
        await page.screenshot({ path });
    },
    requests: () => requests.splice(0),
    messages: () => messages.splice(0),
    async close() {
        await browser.close();
        browser = null;
    },
};

const lines = readline.createInterface({ input: process.stdin });
let queue = Promise.resolve();
lines.on("line", (line) => {
    queue = queue.then(async () => {
        const { op, ...args } = JSON.parse(line);
        let answer;
        try {
            const value = await commands[op](args);
            answer = { value: value === undefined ? null : value };
        } catch (error) {
            answer = { error: String(error && error.message ? error.message : error) };
        }
        process.stdout.write(JSON.stringify(answer) + "\n");
    });
});
lines.on("close", () => {
    queue.then(() => (browser ? browser.close() : null)).then(() => process.exit(0));
});
