// The page's long jobs, off its main thread: the spreadsheet's rows, the
// family tree's report and its sorting. Each message names a job; progress
// and the answer come back under its id (lib/jobs.js).
import loadSpanwright from "./spanwright.mjs";

let engine = null;
const loading = loadSpanwright().then((module) => { engine = module; });
// Read from a file this much at a time.
const ChunkSize = 1 << 20;
// The header row is looked for in the file's first bytes.
const HeaderBytes = 1 << 20;
const ProgressInterval = 100; // milliseconds

// --- GEDZIP -------------------------------------------------------------

const ZipEndSignature = 0x06054b50;
const ZipCentralSignature = 0x02014b50;
const ZipLocalSignature = 0x04034b50;
const ZipStored = 0;
const ZipDeflated = 8;
const GedzipMainEntry = "gedcom.ged";

// The main GEDCOM file of a GEDZIP archive, through the browser's own
// inflater.
async function gedzipEntry(bytes) {
    const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
    let end = -1;
    for (let at = bytes.length - 22; at >= Math.max(0, bytes.length - 22 - 0xffff); --at) {
        if (view.getUint32(at, true) === ZipEndSignature) {
            end = at;
            break;
        }
    }
    if (end < 0)
        throw new Error("The file is not a GEDZIP archive (no zip directory).");
    const entries = view.getUint16(end + 10, true);
    let at = view.getUint32(end + 16, true);
    const decoder = new TextDecoder();
    for (let i = 0; i < entries; ++i) {
        if (at + 46 > bytes.length || view.getUint32(at, true) !== ZipCentralSignature)
            break;
        const method = view.getUint16(at + 10, true);
        const compressedSize = view.getUint32(at + 20, true);
        const nameLength = view.getUint16(at + 28, true);
        const extraLength = view.getUint16(at + 30, true);
        const commentLength = view.getUint16(at + 32, true);
        const localAt = view.getUint32(at + 42, true);
        const name = decoder.decode(bytes.subarray(at + 46, at + 46 + nameLength));
        at += 46 + nameLength + extraLength + commentLength;
        if (name !== GedzipMainEntry)
            continue;
        if (localAt + 30 > bytes.length || view.getUint32(localAt, true) !== ZipLocalSignature)
            break;
        const dataAt = localAt + 30 + view.getUint16(localAt + 26, true) + view.getUint16(localAt + 28, true);
        const data = bytes.subarray(dataAt, dataAt + compressedSize);
        if (method === ZipStored)
            return data;
        if (method !== ZipDeflated)
            throw new Error(`${GedzipMainEntry} in the archive is compressed in a way this page cannot read.`);
        const inflated = new Blob([data]).stream().pipeThrough(new DecompressionStream("deflate-raw"));
        return new Uint8Array(await new Response(inflated).arrayBuffer());
    }
    throw new Error(`The archive holds no ${GedzipMainEntry}.`);
}

const isZip = (bytes) => bytes.length >= 4
    && new DataView(bytes.buffer, bytes.byteOffset).getUint32(0, true) === ZipLocalSignature;

// --- The report's rows and their order ---------------------------------

// The rows of a CSV text (RFC 4180: quoted fields, doubled quotes, CR LF or
// LF).
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

const AgePattern = /(\d+) Year\(s\), (\d+) month\(s\), (\d+) day\(s\)/g;
const NumericDatePattern = /(\d{1,2})\/(\d{1,2})\/(\d{1,4})/g;
const DayMilliseconds = 86400000;

const ageValue = ([, years, months, days]) => (Number(years) * 12 + Number(months)) * 31 + Number(days);

function dayOf([, month, day, year]) {
    const date = new Date(0);
    date.setUTCFullYear(Number(year), Number(month) - 1, Number(day));
    return date.getTime() / DayMilliseconds;
}

// The time a cell stands for, as [earliest, latest] (an open side
// infinite), or null: ages ("39 Year(s), ...", "at least A, at most B"),
// the report's dates (M/D/YYYY, "M/D/YYYY through M/D/YYYY") and GEDCOM
// dates (MAY 1484, BET 1850 AND 1860, ABT 1900).
function timeOf(text) {
    if (text === "")
        return null;
    const ages = [...text.matchAll(AgePattern)].map(ageValue);
    if (ages.length) {
        const least = text.includes("at least") ? ages[0] : text.includes("at most") ? -Infinity : ages[0];
        return [least, text.includes("at most") ? ages[ages.length - 1] : text.includes("at least") ? Infinity : ages[ages.length - 1]];
    }
    const days = [...text.matchAll(NumericDatePattern)].map(dayOf);
    if (days.length)
        return [days[0], days[days.length - 1]];
    return engine.dateSpan(text);
}

// A column sorts by time where most of its filled cells read as times.
const TimeColumnShare = 0.5;

let tree = null; // { header, rows, keys: per column { times, text } }

function columnKeys(rows, column) {
    const times = rows.map((row) => timeOf(row[column] ?? ""));
    const filled = rows.filter((row) => (row[column] ?? "") !== "").length;
    const read = times.filter(Boolean).length;
    return { byTime: filled > 0 && read / filled >= TimeColumnShare, times };
}

const collator = new Intl.Collator("en", { numeric: true });

// The rows' order for a sort: indices into the rows, unreadable times last
// in either direction, equal keys in file order.
function sortedRows({ column, descending, errorsOnly }) {
    const { header, rows } = tree;
    const errorColumn = header.indexOf("error");
    let order = rows.map((_, i) => i);
    if (errorsOnly)
        order = order.filter((i) => rows[i][errorColumn]);
    if (column >= 0) {
        tree.keys[column] ??= columnKeys(rows, column);
        const { byTime, times } = tree.keys[column];
        const sign = descending ? -1 : 1;
        const compare = byTime
            ? (a, b) => {
                const [x, y] = [times[a], times[b]];
                if (!x || !y)
                    return (!x) - (!y) || collator.compare(rows[a][column] ?? "", rows[b][column] ?? "");
                return sign * (x[0] - y[0] || x[1] - y[1]);
            }
            : (a, b) => sign * collator.compare(rows[a][column] ?? "", rows[b][column] ?? "");
        order.sort((a, b) => compare(a, b) || a - b);
    }
    const indices = Int32Array.from(order);
    return { answer: { indices }, transfer: [indices.buffer] };
}

// --- The tree check's findings -------------------------------------------

// Who a finding is about: name and id from the report, with the dates of
// the person's own birth and death (a parent's, for the parent's age).
function personOf(id, people) {
    const person = people.get(id);
    if (!person)
        return id;
    const dates = [person.birth && `born ${person.birth}`, person.death && `died ${person.death}`].filter(Boolean);
    return `${person.name || "(no name)"} (${id})${dates.length ? `, ${dates.join(", ")}` : ""}`;
}

// The findings by rule, then certainty (certain first), each as the person
// (or family) it is about and its detail.
function findingGroups(findings, header, rows) {
    const column = (name) => header.indexOf(name);
    const people = new Map(rows.map((row) => [row[column("id")],
        { name: row[column("name")], birth: row[column("birth")], death: row[column("death")] }]));
    const groups = new Map();
    for (const finding of findings) {
        const key = `${finding.rule} (${finding.severity}), ${finding.certainty}`;
        if (!groups.has(key))
            groups.set(key, []);
        const who = [finding.individual && personOf(finding.individual, people),
                     finding.family && `family ${finding.family}`].filter(Boolean).join("; ");
        groups.get(key).push({ who, detail: finding.detail });
    }
    const rank = (key) => (key.endsWith("certain") ? 0 : 1);
    return [...groups.keys()]
        .sort((a, b) => a.split(" ")[0].localeCompare(b.split(" ")[0]) || rank(a) - rank(b))
        .map((key) => ({ key, findings: groups.get(key) }));
}

// --- The estimates and the census checklist ---------------------------------

// The checklist's rows by person, in the checklist's order (by person, then
// census): each person's id, name, censuses (the columns after id and name)
// and how many of them are missing (not recorded, certainly alive).
function censusPeople(header, rows) {
    const column = (name) => header.indexOf(name);
    const people = [];
    for (const row of rows) {
        const id = row[column("id")];
        if (people.at(-1)?.id !== id)
            people.push({ id, name: row[column("name")], censuses: [], missing: 0 });
        const person = people.at(-1);
        person.censuses.push(row.slice(2));
        if (row[column("alive")] === "certain" && row[column("recorded")] === "no")
            person.missing += 1;
    }
    return people;
}

let estimateTables = null;

function treeEstimates(inPath, fileName) {
    estimateTables = null;
    const answer = engine.treeEstimates(inPath, fileName);
    if (!answer.ok)
        return null;
    const [estimateHeader, ...estimateRows] = parseCsv(answer.estimates);
    const [censusHeader, ...censusRows] = parseCsv(answer.census);
    // The tables stay here until the page asks for each (a message of its
    // own, so that no one message holds up the page long).
    estimateTables = { settled: answer.settled, header: estimateHeader, rows: estimateRows,
                       censusHeader: censusHeader.slice(2), people: censusPeople(censusHeader, censusRows) };
    return { estimatesCsv: new Blob([answer.estimates], { type: "text/csv" }),
             censusCsv: new Blob([answer.census], { type: "text/csv" }) };
}

// --- Jobs ---------------------------------------------------------------

// The report, the tree check's findings, the estimates and the census
// checklist of one GEDCOM file.
async function treeReport(file) {
    let bytes = new Uint8Array(await file.arrayBuffer());
    if (isZip(bytes))
        bytes = await gedzipEntry(bytes);
    const inPath = "/tree.ged";
    const outPath = "/report.csv";
    engine.FS.writeFile(inPath, bytes);
    bytes = null;
    try {
        const answer = engine.gedcomReport(inPath, outPath, file.name);
        const check = engine.treeCheck(inPath, file.name);
        const report = engine.FS.readFile(outPath);
        const [header, ...rows] = parseCsv(new TextDecoder().decode(report));
        tree = { header: header ?? [], rows, keys: [], groups: findingGroups(check.ok ? check.findings : [], header ?? [], rows) };
        // Blobs, which reach the page without being copied.
        return { status: answer.status, warnings: answer.warnings, header: tree.header, rows,
                 report: new Blob([report], { type: "text/csv" }),
                 findingsCsv: new Blob([check.csv], { type: "text/csv" }),
                 findingsJson: new Blob([check.json], { type: "application/json" }),
                 findingCount: check.ok ? check.findings.length : 0,
                 estimates: check.ok ? treeEstimates(inPath, file.name) : null,
                 groups: tree.groups.map(({ key, findings }) => ({ key, count: findings.length })) };
    } finally {
        engine.FS.unlink(inPath);
        engine.FS.unlink(outPath);
    }
}

async function headerFields(file, delimiter) {
    const start = new Uint8Array(await file.slice(0, HeaderBytes).arrayBuffer());
    return engine.csvHeader(start, delimiter);
}

// The file a piece at a time through the batch job: memory holds the
// output and one piece of the input.
async function batch(file, options, job) {
    const run = new engine.WebBatch({ ...options, name: file.name });
    const pieces = [];
    let lastProgress = 0;
    try {
        for (let at = 0; at < file.size && !run.problem(); at += ChunkSize) {
            const piece = new Uint8Array(await file.slice(at, at + ChunkSize).arrayBuffer());
            pieces.push(run.feed(piece).slice());
            const now = performance.now();
            if (now - lastProgress > ProgressInterval) {
                lastProgress = now;
                postMessage({ type: "progress", job, done: (at + piece.length) / file.size, rows: run.rows() });
            }
        }
        if (!run.problem())
            pieces.push(run.finish().slice());
        if (run.problem())
            return { problem: run.problem() };
        return { result: new Blob(pieces, { type: "text/csv" }), rows: run.rows(),
                 rowsWithErrors: run.rowsWithErrors(), notes: run.notes(), encoding: run.encoding() };
    } catch (error) {
        // A file changed or removed since it was chosen cannot be read on.
        if (error.name === "NotReadableError" || error.name === "NotFoundError")
            return { problem: `${file.name} cannot be read any more (changed or removed since it was chosen): choose it again.` };
        throw error;
    } finally {
        run.delete();
    }
}

addEventListener("message", async ({ data }) => {
    const { job } = data;
    try {
        await loading;
        let answer;
        let transfer = [];
        if (data.type === "tree")
            answer = await treeReport(data.file);
        else if (data.type === "estimateRows")
            answer = { header: estimateTables.header, rows: estimateTables.rows, settled: estimateTables.settled };
        else if (data.type === "censusPeople")
            answer = { censusHeader: estimateTables.censusHeader, people: estimateTables.people };
        else if (data.type === "findings")
            answer = { findings: tree.groups[data.group].findings };
        else if (data.type === "sort")
            ({ answer, transfer } = sortedRows(data));
        else if (data.type === "header")
            answer = await headerFields(data.file, data.delimiter);
        else if (data.type === "batch")
            answer = await batch(data.file, data.options, job);
        else
            throw new Error(`unknown job ${data.type}`);
        postMessage({ ...answer, type: "done", job }, transfer);
    } catch (error) {
        postMessage({ type: "error", job, message: error.message ?? String(error) });
    }
});
