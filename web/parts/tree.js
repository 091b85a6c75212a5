// The family tree part: the GEDCOM report as a table that sorts by time,
// and the tree check's findings with the people they are about; both
// worked out, and sorted, in a worker.
import { $, baseName, offerDownload, partReady, withdrawDownload } from "../lib/page.js";
import { Cancelled, JobWorker } from "../lib/jobs.js";
import { count, pageMessage } from "../lib/wording.js";
import { RowWindow } from "../lib/rowwindow.js";

const jobs = new JobWorker();
// The widest a column is made, in characters; longer texts wrap in print
// and show whole in the cell's title.
const WidestColumn = 48;
const NarrowestColumn = 4;

let report = { header: [], rows: [] };
let sortColumn = -1;
let sortDescending = false;
let file = null;
const errorColumn = () => report.header.indexOf("error");
const rowWindow = new RowWindow($("tree-report-frame"), $("tree-report").tBodies[0], (line, row) => {
    if (row[errorColumn()])
        line.className = "error";
});

function columnWidths() {
    const widths = report.header.map((name) => name.length + 2);
    for (const row of report.rows) {
        row.forEach((text, i) => { widths[i] = Math.max(widths[i] ?? 0, text.length); });
    }
    return widths.map((width) => Math.min(WidestColumn, Math.max(NarrowestColumn, width)));
}

function showHeader() {
    const table = $("tree-report");
    const columns = document.createElement("colgroup");
    for (const width of columnWidths()) {
        const column = document.createElement("col");
        column.style.width = `${width + 1}ch`;
        columns.append(column);
    }
    table.querySelector("colgroup")?.remove();
    table.tHead.before(columns);
    const headRow = document.createElement("tr");
    report.header.forEach((name, i) => {
        const cell = document.createElement("th");
        cell.scope = "col";
        cell.setAttribute("aria-sort", i !== sortColumn ? "none" : sortDescending ? "descending" : "ascending");
        const button = document.createElement("button");
        button.type = "button";
        button.textContent = name + (i === sortColumn ? (sortDescending ? " ▼" : " ▲") : "");
        button.addEventListener("click", () => {
            sortDescending = i === sortColumn ? !sortDescending : false;
            sortColumn = i;
            showRows().then(() => table.querySelectorAll("th button")[i].focus());
        });
        cell.append(button);
        headRow.append(cell);
    });
    table.tHead.replaceChildren(headRow);
}

// The rows in the order asked, from the worker.
async function showRows() {
    const { indices } = await jobs.ask({
        type: "sort", column: sortColumn, descending: sortDescending, errorsOnly: $("tree-errors-only").checked,
    });
    showHeader();
    $("tree-report-frame").hidden = false;
    rowWindow.show(report.rows, indices, report.header.length);
    $("tree-report").dataset.shown = String(indices.length);
}

// Who a finding is about: name and id from the report, with the dates of
// the person's own birth and death (a parent's, for the parent's age).
function personOf(id, people) {
    const person = people.get(id);
    if (!person)
        return id;
    const dates = [person.birth && `born ${person.birth}`, person.death && `died ${person.death}`].filter(Boolean);
    return `${person.name || "(no name)"} (${id})${dates.length ? `, ${dates.join(", ")}` : ""}`;
}

// The findings by rule, then certainty (certain first), each group a
// disclosure naming its count.
function showFindings(findings) {
    const column = (name) => report.header.indexOf(name);
    const people = new Map(report.rows.map((row) => [row[column("id")],
        { name: row[column("name")], birth: row[column("birth")], death: row[column("death")] }]));
    const groups = new Map();
    for (const finding of findings) {
        const key = `${finding.rule} (${finding.severity}), ${finding.certainty}`;
        if (!groups.has(key))
            groups.set(key, []);
        groups.get(key).push(finding);
    }
    const rank = (key) => (key.endsWith("certain") ? 0 : 1);
    const keys = [...groups.keys()].sort((a, b) => a.split(" ")[0].localeCompare(b.split(" ")[0]) || rank(a) - rank(b));
    const list = keys.map((key) => {
        const details = document.createElement("details");
        const summary = document.createElement("summary");
        summary.textContent = `${key}: ${groups.get(key).length.toLocaleString("en")}`;
        const items = document.createElement("ul");
        // A group's items are made when it is first opened: a large tree has
        // tens of thousands of findings, too many to make at once.
        const fill = () => {
            if (items.childElementCount)
                return;
            items.append(...groups.get(key).map((finding) => {
                const item = document.createElement("li");
                const who = document.createElement("strong");
                who.textContent = [finding.individual && personOf(finding.individual, people),
                                   finding.family && `family ${finding.family}`].filter(Boolean).join("; ");
                item.append(who, document.createTextNode(`${who.textContent ? ": " : ""}${finding.detail}`));
                return item;
            }));
        };
        details.addEventListener("toggle", () => details.open && fill());
        details.append(summary, items);
        return details;
    });
    if (!list.length) {
        const none = document.createElement("p");
        none.textContent = "The tree check finds nothing.";
        list.push(none);
    }
    $("tree-finding-groups").replaceChildren(...list);
    $("tree-findings").hidden = false;
}

const downloads = ["tree-download", "tree-findings-csv", "tree-findings-json"].map($);

async function chooseTreeFile(chosen) {
    jobs.stop(); // a tree still being read is of no use now
    file = chosen;
    $("tree-status").textContent = `Reading ${chosen.name}…`;
    downloads.forEach(withdrawDownload);
    $("tree-report-frame").hidden = true;
    $("tree-report-title").hidden = true;
    $("tree-findings").hidden = true;
    let answer;
    try {
        answer = await jobs.ask({ type: "tree", file: chosen });
    } catch (error) {
        if (!(error instanceof Cancelled) && file === chosen)
            $("tree-status").textContent = pageMessage(error.message);
        return;
    }
    if (file !== chosen)
        return;
    report = { header: answer.header, rows: answer.rows };
    sortColumn = -1;
    const warnings = pageMessage(answer.warnings.trim());
    if (answer.status === 2 && !report.rows.length) {
        $("tree-status").textContent = warnings || `${chosen.name} is not a GEDCOM file.`;
        return;
    }
    showFindings(answer.findings);
    $("tree-report-title").hidden = false;
    await showRows();
    const errors = report.rows.filter((row) => row[errorColumn()]).length;
    $("tree-status").textContent = `${chosen.name}: ${count(report.rows.length, "person", "people")}, `
        + `${count(errors, "row")} with errors, ${count(answer.findings.length, "finding")}.`
        + (warnings ? ` ${warnings}` : "");
    const name = baseName(chosen.name);
    offerDownload(downloads[0], new Blob([answer.report], { type: "text/csv" }), `${name}-ages.csv`);
    offerDownload(downloads[1], new Blob([answer.findingsCsv], { type: "text/csv" }), `${name}-findings.csv`);
    offerDownload(downloads[2], new Blob([answer.findingsJson], { type: "application/json" }), `${name}-findings.json`);
}

// A printed table repeats its headings on every page only where they hold
// no button: plain headings while printing.
addEventListener("beforeprint", () => {
    for (const button of $("tree-report").tHead.querySelectorAll("button"))
        button.replaceWith(button.textContent);
});
addEventListener("afterprint", () => report.header.length && showHeader());

$("tree-errors-only").addEventListener("change", () => report.rows.length && showRows());
$("tree-file").addEventListener("change", () => {
    if ($("tree-file").files.length)
        chooseTreeFile($("tree-file").files[0]);
});
const dropZone = $("tree-part");
dropZone.addEventListener("dragover", (event) => {
    event.preventDefault();
    dropZone.classList.add("dropping");
});
dropZone.addEventListener("dragleave", () => dropZone.classList.remove("dropping"));
dropZone.addEventListener("drop", (event) => {
    event.preventDefault();
    dropZone.classList.remove("dropping");
    if (event.dataTransfer.files.length)
        chooseTreeFile(event.dataTransfer.files[0]);
});

jobs.warm();
partReady("tree");
