// The family tree part: the GEDCOM report as a table that sorts by time,
// the tree check's findings with the people they are about, and the
// estimates and census checklist (treeestimates.js); all worked out, and
// sorted, in a worker.
import { $, baseName, offerDownload, partReady, takeFiles, withdrawDownload } from "../lib/page.js";
import { Cancelled, JobWorker } from "../lib/jobs.js";
import { count, pageMessage } from "../lib/wording.js";
import { RowWindow } from "../lib/rowwindow.js";
import { hideEstimates, showEstimates } from "./treeestimates.js";

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

// The findings by rule and certainty, each group a disclosure naming its
// count; its items (from the worker) are made when it is first opened, as
// a large tree has tens of thousands.
function showFindings(groups) {
    const list = groups.map(({ key, count: found }, group) => {
        const details = document.createElement("details");
        const summary = document.createElement("summary");
        summary.textContent = `${key}: ${found.toLocaleString("en")}`;
        const items = document.createElement("ul");
        const shownFile = file;
        details.addEventListener("toggle", async () => {
            if (!details.open || items.childElementCount || details.dataset.filling)
                return;
            details.dataset.filling = "true";
            let findings;
            try {
                ({ findings } = await jobs.ask({ type: "findings", group }));
            } catch (error) {
                return; // another file was chosen meanwhile
            }
            if (file !== shownFile)
                return;
            items.append(...findings.map(({ who, detail }) => {
                const item = document.createElement("li");
                const person = document.createElement("strong");
                person.textContent = who;
                item.append(person, document.createTextNode(`${who ? ": " : ""}${detail}`));
                return item;
            }));
            delete details.dataset.filling;
        });
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

const downloads = ["tree-download", "tree-findings-csv", "tree-findings-json", "tree-estimates-csv",
                   "tree-census-csv"].map($);

async function chooseTreeFile(chosen) {
    jobs.stop(); // a tree still being read is of no use now
    file = chosen;
    $("tree-status").textContent = `Reading ${chosen.name}…`;
    downloads.forEach(withdrawDownload);
    $("tree-report-frame").hidden = true;
    $("tree-report-title").hidden = true;
    $("tree-findings").hidden = true;
    hideEstimates();
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
    showFindings(answer.groups);
    $("tree-report-title").hidden = false;
    await showRows();
    const errors = report.rows.filter((row) => row[errorColumn()]).length;
    $("tree-status").textContent = `${chosen.name}: ${count(report.rows.length, "person", "people")}, `
        + `${count(errors, "row")} with errors, ${count(answer.findingCount, "finding")}.`
        + (warnings ? ` ${warnings}` : "");
    const name = baseName(chosen.name);
    offerDownload(downloads[0], answer.report, `${name}-ages.csv`);
    offerDownload(downloads[1], answer.findingsCsv, `${name}-findings.csv`);
    offerDownload(downloads[2], answer.findingsJson, `${name}-findings.json`);
    if (answer.estimates) {
        offerDownload(downloads[3], answer.estimates.estimatesCsv, `${name}-estimates.csv`);
        offerDownload(downloads[4], answer.estimates.censusCsv, `${name}-census.csv`);
        await showEstimates(jobs, () => file === chosen).catch(() => {}); // another file chosen meanwhile
    }
}

// A printed table repeats its headings on every page only where they hold
// no button: plain headings while printing.
addEventListener("beforeprint", () => {
    for (const button of $("tree-report").tHead.querySelectorAll("button"))
        button.replaceWith(button.textContent);
});
addEventListener("afterprint", () => report.header.length && showHeader());

$("tree-errors-only").addEventListener("change", () => report.rows.length && showRows());
takeFiles($("tree-file"), $("tree-part"), chooseTreeFile);

jobs.warm();
partReady("tree");
