// The spreadsheet part: a CSV file through the command line's batch job in
// a worker, which the user can stop; every download carries the name of
// the file it was made from.
import { $, baseName, offerDownload, partReady, takeFiles, withdrawDownload } from "../lib/page.js";
import { Cancelled, JobWorker } from "../lib/jobs.js";
import { count, pageMessage } from "../lib/wording.js";

const jobs = new JobWorker();
const columnSelects = ["batch-begin", "batch-end", "batch-age"].map($);
// The spans' notation: the same four as the span part's, worded by default.
$("batch-notation").replaceChildren(...[...$("notation").options].map((option) =>
    new Option(option.text, option.value, option.defaultSelected, option.defaultSelected)));
// The choices a run is made with; changing one during a run cancels it.
const runChoices = ["batch-order", "batch-delimiter", "batch-notation", "batch-exact", ...columnSelects.map((s) => s.id)];

let batchFile = null;
let header = { fields: [], columnArguments: [], encoding: "" };
let running = null; // the file of the run under way

const status = (text) => { $("batch-status").textContent = text; };

function batchChoice() {
    const [begin, end, age] = columnSelects.map((select) => select.value);
    const chosen = [begin, end, age].filter((value) => value !== "").length;
    return chosen === 2 ? { begin, end, age } : null;
}

const ChooseTwo = "Choose two columns: begin and end, end and age, or begin and age.";

function headerStatus() {
    const ready = batchFile !== null && batchChoice() !== null;
    const chosen = columnSelects.filter((select) => select.value !== "").length;
    return `${batchFile.name}: ${count(header.fields.length, "column")}, read as ${header.encoding}.`
        + (ready || chosen === 0 ? "" : ` ${ChooseTwo}`);
}

// The Run button's state; the status tells the file and its columns where
// asked (not over the outcome of a run).
function updateRun(tellFile = true) {
    $("batch-run").disabled = running !== null || batchFile === null || batchChoice() === null;
    if (tellFile && batchFile && header.fields.length && running === null)
        status(headerStatus());
}

// Stops the run under way, if any: nothing is offered for it.
function cancelRun(why) {
    if (running === null)
        return;
    const file = running;
    running = null;
    jobs.stop();
    $("batch-cancel").disabled = true;
    $("batch-progress").value = 0;
    withdrawDownload($("batch-download"));
    status(`The run of ${file.name} was cancelled${why}: nothing was written.`);
    jobs.warm();
    updateRun(false);
}

async function chooseBatchFile(file) {
    cancelRun(", another file was chosen");
    batchFile = file;
    withdrawDownload($("batch-download"));
    $("batch-progress").value = 0;
    $("batch-run").disabled = true;
    status(`Reading the header of ${file.name}…`);
    let answer = { fields: [], columnArguments: [], encoding: "" };
    try {
        answer = await jobs.ask({ type: "header", file, delimiter: $("batch-delimiter").value });
    } catch (error) {
        if (error instanceof Cancelled)
            return;
    }
    if (batchFile !== file)
        return; // another file was chosen meanwhile
    header = answer;
    for (const select of columnSelects) {
        select.replaceChildren(new Option("(none)", ""),
            ...header.fields.map((name, i) => new Option(`${i + 1}: ${name}`, String(i))));
    }
    if (header.fields.length) {
        updateRun();
    } else {
        $("batch-run").disabled = true;
        status(`${file.name} has no header row.`);
    }
}

async function run() {
    const choice = batchChoice();
    const file = batchFile;
    const column = (index) => (index === "" ? "" : header.columnArguments[Number(index)]);
    running = file;
    $("batch-run").disabled = true;
    $("batch-cancel").disabled = false;
    withdrawDownload($("batch-download"));
    $("batch-progress").value = 0;
    status(`Working on ${file.name}…`);
    let answer;
    try {
        answer = await jobs.ask({
            type: "batch", file,
            options: {
                begin: column(choice.begin), end: column(choice.end), age: column(choice.age),
                notation: $("batch-notation").value, order: $("batch-order").value,
                delimiter: $("batch-delimiter").value, exact: $("batch-exact").checked,
                language: $("language").value, // the page's, as the other parts read it
            },
        }, ({ done, rows }) => {
            $("batch-progress").value = done;
            status(`Working on ${file.name}… ${count(rows, "row")}`);
        });
    } catch (error) {
        if (error instanceof Cancelled)
            return; // told by cancelRun
        answer = { problem: error.message };
    }
    if (running !== file)
        return;
    running = null;
    $("batch-cancel").disabled = true;
    $("batch-progress").value = answer.problem ? 0 : 1;
    if (answer.problem) {
        status(pageMessage(answer.problem, "Date order", $("batch-order")));
    } else {
        offerDownload($("batch-download"), answer.result, `${baseName(file.name)}-spans.csv`);
        // The first bytes may not decide the encoding (all ASCII): the run
        // says where it read the file otherwise.
        const encoding = answer.encoding === header.encoding ? "" : ` Read as ${answer.encoding}.`;
        status(`${file.name}: ${count(answer.rows, "row")}, ${count(answer.rowsWithErrors, "row")} with errors.${encoding}`
            + answer.notes.map((note) => ` ${pageMessage(note, "Date order", $("batch-order"))}.`).join(""));
    }
    updateRun(false);
}

takeFiles($("batch-file"), $("batch-part"), chooseBatchFile);
for (const id of runChoices) {
    $(id).addEventListener("change", () => {
        const wasRunning = running !== null;
        cancelRun(", a choice was changed");
        if (id === "batch-delimiter" && batchFile)
            chooseBatchFile(batchFile);
        else
            updateRun(!wasRunning);
    });
}
$("batch-run").addEventListener("click", run);
$("batch-cancel").addEventListener("click", () => cancelRun(""));

jobs.warm();
partReady("batch");
