// What the page's parts share: the engine, the page's readiness, downloads
// and the Copy buttons.
import loadSpanwright from "../spanwright.mjs";

export const $ = (id) => document.getElementById(id);

// One engine for every part on the page's own thread.
let engineLoading = null;
export function pageEngine() {
    engineLoading ??= loadSpanwright();
    return engineLoading;
}

// The page is ready (data-ready on <html>, which the tests wait for) once
// every part (a section with data-part) has said so.
const partsReady = new Set();
export function partReady(name) {
    partsReady.add(name);
    const parts = [...document.querySelectorAll("section[data-part]")].map((section) => section.dataset.part);
    if (parts.every((part) => partsReady.has(part))) {
        document.documentElement.dataset.readyAt = String(Math.round(performance.now()));
        document.documentElement.dataset.ready = "true";
    }
}

export function offerDownload(link, blob, name) {
    if (link.href)
        URL.revokeObjectURL(link.href);
    link.href = URL.createObjectURL(blob);
    link.download = name;
    link.hidden = false;
}

export function withdrawDownload(link) {
    if (link.href)
        URL.revokeObjectURL(link.href);
    link.removeAttribute("href");
    link.removeAttribute("download");
    link.hidden = true;
}

export const baseName = (name) => name.replace(/\.[^.]*$/, "");

// How long "Copied" stays beside a Copy button.
const CopiedMilliseconds = 2000;

// A Copy button for an output: enabled while the output holds a text,
// "Copied" (or why not) beside it once pressed. Returns the function that
// says the output has changed.
export function copyButton(button, output, feedback) {
    let clearing = 0;
    button.addEventListener("click", async () => {
        clearTimeout(clearing);
        try {
            await navigator.clipboard.writeText(output.value);
            feedback.textContent = "Copied";
        } catch (error) {
            feedback.textContent = "Not copied: the browser refused the clipboard";
        }
        clearing = setTimeout(() => { feedback.textContent = ""; }, CopiedMilliseconds);
    });
    return () => {
        button.disabled = output.value === "";
        feedback.textContent = "";
    };
}

// A remembered choice of a <select> (by its id, in localStorage).
export function rememberChoice(select) {
    const key = `spanwright.${select.id}`;
    const stored = localStorage.getItem(key);
    if (stored && [...select.options].some((option) => option.value === stored))
        select.value = stored;
    select.addEventListener("change", () => localStorage.setItem(key, select.value));
}

// The page's switch from the Julian to the Gregorian calendar (#switch,
// beside the date order), filled once from the engine's table and
// remembered: every part that reads typed dates waits for it, so that a
// remembered switch is in place before the page is ready.
let switchFilling = null;
export function pageSwitchChoice() {
    switchFilling ??= pageEngine().then((engine) => {
        const select = $("switch");
        const switches = engine.calendarSwitches();
        for (const { code, text } of switches)
            select.append(new Option(text, code));
        rememberChoice(select);
        return select;
    });
    return switchFilling;
}

// The page's language for a word two languages read differently
// (#language, beside the switch): filled once from the engine's tables and
// remembered, as the switch is.
let languageFilling = null;
export function pageLanguageChoice() {
    languageFilling ??= pageEngine().then((engine) => {
        const select = $("language");
        for (const { code, text } of engine.languageChoices())
            select.append(new Option(`${text} (${code})`, code));
        rememberChoice(select);
        return select;
    });
    return languageFilling;
}

// Lines of text in an output, one block each.
export function showLines(output, lines) {
    output.replaceChildren(...lines.map((line) => {
        const element = document.createElement("div");
        element.textContent = line;
        return element;
    }));
}

// A part's file, chosen with its input or dropped anywhere on the part.
export function takeFiles(input, part, choose) {
    input.addEventListener("change", () => {
        if (input.files.length)
            choose(input.files[0]);
    });
    part.addEventListener("dragover", (event) => {
        event.preventDefault();
        part.classList.add("dropping");
    });
    part.addEventListener("dragleave", () => part.classList.remove("dropping"));
    part.addEventListener("drop", (event) => {
        event.preventDefault();
        part.classList.remove("dropping");
        if (event.dataTransfer.files.length)
            choose(event.dataTransfer.files[0]);
    });
}
