// The family tree part's estimates (every birth and death as bounds, a
// table as `spanwright-cli estimate` writes it) and its census checklist (a
// table per person, as `spanwright-cli census` writes its rows, the
// censuses missing from the tree marked).
import { $ } from "../lib/page.js";
import { count } from "../lib/wording.js";
import { RowWindow } from "../lib/rowwindow.js";

// People listed at once in the checklist; the download holds them all.
const ListedPeople = 2000;

const estimateWindow = new RowWindow($("tree-estimates-frame"), $("tree-estimates-table").tBodies[0], () => {});

function showEstimateTable({ header, rows, settled }) {
    const headRow = document.createElement("tr");
    for (const name of header) {
        const cell = document.createElement("th");
        cell.scope = "col";
        cell.textContent = name;
        headRow.append(cell);
    }
    $("tree-estimates-table").tHead.replaceChildren(headRow);
    $("tree-estimates").hidden = false;
    estimateWindow.show(rows, rows.map((_, i) => i), header.length);
    $("tree-estimates-note").textContent = settled ? ""
        : "Dates that contradict each other kept some bounds from settling: they hold, but may not be "
          + "the tightest (the tree check above tells which).";
}

// A missing census: not recorded for a person certainly alive at it.
const isMissing = (census, header) =>
    census[header.indexOf("alive")] === "certain" && census[header.indexOf("recorded")] === "no";

function censusTable(header, censuses) {
    const table = document.createElement("table");
    const headRow = table.createTHead().insertRow();
    for (const name of [...header, "missing"]) {
        const cell = document.createElement("th");
        cell.scope = "col";
        cell.textContent = name;
        headRow.append(cell);
    }
    const body = table.createTBody();
    for (const census of censuses) {
        const line = body.insertRow();
        const missing = isMissing(census, header);
        if (missing)
            line.className = "missing";
        for (const text of [...census, missing ? "missing" : ""])
            line.insertCell().textContent = text;
    }
    return table;
}

// A disclosure a person, its table made when it is first opened.
function personDetails(person, header) {
    const details = document.createElement("details");
    details.dataset.id = person.id;
    const summary = document.createElement("summary");
    summary.textContent = `${person.name || "(no name)"} (${person.id}): ${count(person.censuses.length, "census", "censuses")}`
        + (person.missing ? `, ${person.missing} missing` : "");
    details.append(summary);
    details.addEventListener("toggle", () => {
        if (details.open && details.childElementCount === 1)
            details.append(censusTable(header, person.censuses));
    });
    return details;
}

// People added to the list a batch at a time, so that no one task holds up
// the page.
const PeopleAtOnce = 250;
let lists = 0;

function showChecklist({ censusHeader, people }) {
    const listed = people.slice(0, ListedPeople);
    const list = $("tree-census-people");
    list.replaceChildren();
    const stamp = String(++lists);
    list.dataset.people = stamp;
    delete $("tree-census").dataset.listed;
    const addFrom = (first) => {
        if (list.dataset.people !== stamp)
            return; // another tree's list has replaced this one
        if (first >= listed.length) {
            $("tree-census").dataset.listed = String(listed.length); // all there
            return;
        }
        list.append(...listed.slice(first, first + PeopleAtOnce).map((person) => personDetails(person, censusHeader)));
        setTimeout(() => addFrom(first + PeopleAtOnce));
    };
    addFrom(0);
    const missing = people.filter((person) => person.missing).length;
    $("tree-census-note").textContent = !people.length
        ? "No one in the tree was alive at a census of the table (US, England, Wales, Scotland, Ireland, Canada)."
        : `${count(people.length, "person", "people")} alive at a census, ${missing} with censuses missing`
          + (listed.length < people.length ? `; the first ${listed.length.toLocaleString("en")} listed, the download holds them all.` : ".");
    $("tree-census").hidden = false;
}

export function hideEstimates() {
    delete $("tree-census").dataset.listed;
    $("tree-estimates").hidden = true;
    $("tree-census").hidden = true;
}

// The tables of the tree the worker has just read, each asked for on its
// own; stillShown() is false once another tree is chosen.
export async function showEstimates(jobs, stillShown) {
    const rows = await jobs.ask({ type: "estimateRows" });
    if (!stillShown())
        return;
    showEstimateTable(rows);
    const people = await jobs.ask({ type: "censusPeople" });
    if (stillShown())
        showChecklist(people);
}
