// The page: the span and the tombstone answered here, the spreadsheet and
// the family tree in a worker (worker.js), so that the page never freezes.
import loadSpanwright from "./spanwright.mjs";
import { setUpRecordsPart } from "./recordspart.js";

const NotationKey = "spanwright.notation";
const WrongDateFormat = "Wrong Date Format!!!";
// Rows of a report shown at once; the download holds them all.
const MostRowsShown = 2000;

const $ = (id) => document.getElementById(id);
const engine = await loadSpanwright();
setUpRecordsPart(engine, $);

// --- Span --------------------------------------------------------------

let entries = null; // the four notations of the last span

function showEntry() {
    $("result").value = entries ? entries[Number($("notation").value) - 1] : "";
}

function showSpanProblem(field, lines) {
    const box = $("span-error");
    box.replaceChildren(...lines.map((line, i) => {
        const element = document.createElement(i === 0 ? "strong" : "span");
        element.textContent = line;
        return element;
    }));
    box.hidden = false;
    const input = $(field);
    input.focus();
    input.select();
}

function calculate() {
    $("span-error").hidden = true;
    entries = null;
    showEntry();
    const answer = engine.span($("birth").value, $("death").value);
    if (!answer.ok) {
        // The accepted forms are always shown beside a refused date.
        const forms = answer.message.includes(engine.dateFormsRead) ? [] : [`${engine.dateFormsRead.replace("accepted forms", "Accepted date forms")}.`];
        showSpanProblem(answer.field, answer.wrongFormat
            ? [WrongDateFormat, answer.message, ...forms] : [answer.message]);
        return;
    }
    entries = answer.entries;
    showEntry();
    $("result").focus();
}

const stored = localStorage.getItem(NotationKey);
if (stored && [...$("notation").options].some((option) => option.value === stored))
    $("notation").value = stored;
$("notation").addEventListener("change", () => {
    localStorage.setItem(NotationKey, $("notation").value);
    showEntry();
});
$("span-form").addEventListener("submit", (event) => {
    event.preventDefault();
    calculate();
});
$("copy-result").addEventListener("click", async () => {
    const text = $("result").value;
    if (text)
        await navigator.clipboard.writeText(text);
});

// --- Tombstone ----------------------------------------------------------

$("stone-form").addEventListener("submit", (event) => {
    event.preventDefault();
    const answer = engine.born($("stone-death").value, $("stone-age").value);
    const output = $("stone-answer");
    output.classList.toggle("problem", !answer.ok);
    output.value = answer.ok ? answer.text : answer.message;
    if (!answer.ok)
        $(answer.field === "age" ? "stone-age" : "stone-death").focus();
    else
        output.focus();
});

// --- The worker ---------------------------------------------------------

let worker = null;
const waiting = new Map(); // job id -> handlers
let nextJob = 1;

function ask(message, onProgress) {
    if (!worker) {
        worker = new Worker(new URL("./worker.js", import.meta.url), { type: "module" });
        worker.addEventListener("message", ({ data }) => {
            const job = waiting.get(data.job);
            if (!job)
                return;
            if (data.type === "progress")
                job.onProgress?.(data);
            else {
                waiting.delete(data.job);
                data.type === "error" ? job.reject(new Error(data.message)) : job.resolve(data);
            }
        });
    }
    const job = nextJob++;
    return new Promise((resolve, reject) => {
        waiting.set(job, { resolve, reject, onProgress });
        worker.postMessage({ ...message, job });
    });
}

function offerDownload(link, blob, name) {
    if (link.href)
        URL.revokeObjectURL(link.href);
    link.href = URL.createObjectURL(blob);
    link.download = name;
    link.hidden = false;
}

const baseName = (name) => name.replace(/\.[^.]*$/, "");

// --- Spreadsheet --------------------------------------------------------

const columnSelects = ["batch-begin", "batch-end", "batch-age"].map($);
// The spans' notation: the same four as the span part's, worded by default.
$("batch-notation").replaceChildren(...[...$("notation").options].map((option) =>
    new Option(option.text, option.value, option.defaultSelected, option.defaultSelected)));
let batchFile = null;
let header = [];

function batchChoice() {
    const [begin, end, age] = columnSelects.map((select) => select.value);
    const chosen = [begin, end, age].filter((value) => value !== "").length;
    return chosen === 2 ? { begin, end, age } : null;
}

const ChooseTwo = "Choose two columns: begin and end, end and age, or begin and age.";

function updateRun() {
    const ready = batchFile !== null && batchChoice() !== null;
    $("batch-run").disabled = !ready;
    const chosen = columnSelects.filter((select) => select.value !== "").length;
    if (batchFile && header.length)
        $("batch-status").textContent = `${batchFile.name}: ${header.length} columns.`
            + (ready || chosen === 0 ? "" : ` ${ChooseTwo}`);
}

// A column as the command line names it: by its name, or by its position
// where the name is not unique.
function columnArgument(index) {
    if (index === "")
        return "";
    const name = header[Number(index)];
    return header.indexOf(name) === header.lastIndexOf(name) ? name : String(Number(index) + 1);
}

async function chooseBatchFile(file) {
    batchFile = file;
    $("batch-download").hidden = true;
    $("batch-progress").value = 0;
    $("batch-status").textContent = `Reading the header of ${file.name}…`;
    try {
        const answer = await ask({ type: "header", file, delimiter: $("batch-delimiter").value });
        header = answer.fields;
    } catch (error) {
        header = [];
    }
    for (const select of columnSelects) {
        select.replaceChildren(new Option("(none)", ""),
            ...header.map((name, i) => new Option(`${i + 1}: ${name}`, String(i))));
    }
    if (header.length) {
        updateRun();
    } else {
        $("batch-run").disabled = true;
        $("batch-status").textContent = `${file.name} has no header row.`;
    }
}

$("batch-file").addEventListener("change", () => {
    if ($("batch-file").files.length)
        chooseBatchFile($("batch-file").files[0]);
});
const dropZone = $("batch-part");
dropZone.addEventListener("dragover", (event) => {
    event.preventDefault();
    dropZone.classList.add("dropping");
});
dropZone.addEventListener("dragleave", () => dropZone.classList.remove("dropping"));
dropZone.addEventListener("drop", (event) => {
    event.preventDefault();
    dropZone.classList.remove("dropping");
    if (event.dataTransfer.files.length)
        chooseBatchFile(event.dataTransfer.files[0]);
});
for (const select of columnSelects)
    select.addEventListener("change", updateRun);
$("batch-delimiter").addEventListener("change", () => batchFile && chooseBatchFile(batchFile));

$("batch-run").addEventListener("click", async () => {
    const choice = batchChoice();
    $("batch-run").disabled = true;
    $("batch-download").hidden = true;
    $("batch-status").textContent = "Working…";
    try {
        const answer = await ask({
            type: "batch", file: batchFile,
            options: {
                begin: columnArgument(choice.begin), end: columnArgument(choice.end),
                age: columnArgument(choice.age), notation: $("batch-notation").value,
                order: $("batch-order").value, delimiter: $("batch-delimiter").value,
            },
        }, ({ done, rows }) => {
            $("batch-progress").value = done;
            $("batch-status").textContent = `Working… ${rows.toLocaleString("en")} rows`;
        });
        $("batch-progress").value = 1;
        if (answer.problem) {
            $("batch-status").textContent = answer.problem;
        } else {
            offerDownload($("batch-download"), answer.result, `${baseName(batchFile.name)}-spans.csv`);
            $("batch-status").textContent =
                `${answer.rows} rows, ${answer.rowsWithErrors} rows with errors.`
                + answer.notes.map((note) => ` ${note}`).join("");
        }
    } catch (error) {
        $("batch-status").textContent = error.message;
    }
    $("batch-run").disabled = false;
});

// --- Family tree --------------------------------------------------------

// The rows of a CSV text (RFC 4180: quoted fields, doubled quotes, CR LF or
// LF), for the report's table.
function parseCsv(text) {
    const rows = [];
    let row = [];
    let field = "";
    let quoted = false;
    for (let i = 0; i < text.length; ++i) {
        const c = text[i];
        if (quoted) {
            if (c !== '"')
                field += c;
            else if (text[i + 1] === '"')
                field += text[++i];
            else
                quoted = false;
        } else if (c === '"') {
            quoted = true;
        } else if (c === ",") {
            row.push(field);
            field = "";
        } else if (c === "\n" || c === "\r") {
            if (c === "\r" && text[i + 1] === "\n")
                ++i;
            row.push(field);
            rows.push(row);
            row = [];
            field = "";
        } else {
            field += c;
        }
    }
    if (field !== "" || row.length)
        rows.push([...row, field]);
    return rows;
}

let report = { header: [], rows: [] };
let sortColumn = -1;
let sortDescending = false;
const errorColumn = () => report.header.indexOf("error");

function showReport() {
    const table = $("tree-report");
    const errorsOnly = $("tree-errors-only").checked;
    let rows = report.rows.filter((row) => !errorsOnly || row[errorColumn()]);
    if (sortColumn >= 0) {
        const collator = new Intl.Collator("en", { numeric: true });
        rows = [...rows].sort((a, b) => collator.compare(a[sortColumn] ?? "", b[sortColumn] ?? "")
            * (sortDescending ? -1 : 1));
    }
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
            showReport();
            table.querySelectorAll("th button")[i].focus();
        });
        cell.append(button);
        headRow.append(cell);
    });
    table.tHead.replaceChildren(headRow);
    const body = document.createDocumentFragment();
    for (const row of rows.slice(0, MostRowsShown)) {
        const line = document.createElement("tr");
        if (row[errorColumn()])
            line.className = "error";
        for (const value of row) {
            const cell = document.createElement("td");
            cell.textContent = value;
            line.append(cell);
        }
        body.append(line);
    }
    table.tBodies[0].replaceChildren(body);
    table.hidden = false;
    return rows.length;
}

// The findings by rule, then certainty (certain first), each group a
// disclosure naming its count.
function showFindings(findings) {
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
        summary.textContent = `${key}: ${groups.get(key).length}`;
        const items = document.createElement("ul");
        for (const finding of groups.get(key)) {
            const item = document.createElement("li");
            const who = [finding.individual, finding.family].filter(Boolean).join(", ");
            item.textContent = who ? `${who}: ${finding.detail}` : finding.detail;
            items.append(item);
        }
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

$("tree-errors-only").addEventListener("change", () => report.rows.length && showReport());

$("tree-file").addEventListener("change", async () => {
    const file = $("tree-file").files[0];
    if (!file)
        return;
    $("tree-status").textContent = `Reading ${file.name}…`;
    $("tree-download").hidden = true;
    $("tree-report").hidden = true;
    $("tree-report-title").hidden = true;
    $("tree-findings").hidden = true;
    try {
        const answer = await ask({ type: "tree", file });
        const text = new TextDecoder().decode(answer.report);
        const [head, ...rows] = parseCsv(text);
        report = { header: head ?? [], rows };
        sortColumn = -1;
        const warnings = answer.warnings.trim();
        if (answer.status === 2 && !rows.length) {
            $("tree-status").textContent = warnings || `${file.name} is not a GEDCOM file.`;
            return;
        }
        showFindings(answer.findings);
        $("tree-report-title").hidden = false;
        const shown = showReport();
        const errors = rows.filter((row) => row[errorColumn()]).length;
        $("tree-status").textContent = `${rows.length} people, ${errors} rows with errors`
            + (shown > MostRowsShown ? `; the first ${MostRowsShown} shown, the download holds all.` : ".")
            + (warnings ? ` ${warnings}` : "");
        offerDownload($("tree-download"), new Blob([answer.report], { type: "text/csv" }),
            `${baseName(file.name)}-ages.csv`);
    } catch (error) {
        $("tree-status").textContent = error.message;
    }
});

document.documentElement.dataset.readyAt = String(Math.round(performance.now()));
document.documentElement.dataset.ready = "true";
