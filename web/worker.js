// The page's long jobs, off its main thread: the spreadsheet's rows and the
// family tree's report. Each message names a job; progress and the answer
// come back under its id.
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

// --- Jobs ---------------------------------------------------------------

// The report and the tree check's findings of one GEDCOM file.
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
        return { status: answer.status, warnings: answer.warnings, report: engine.FS.readFile(outPath),
                 findings: check.ok ? check.findings : [] };
    } finally {
        engine.FS.unlink(inPath);
        engine.FS.unlink(outPath);
    }
}

function headerFields(start, delimiter) {
    return { fields: engine.csvHeader(start, delimiter) };
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
                 rowsWithErrors: run.rowsWithErrors(), notes: run.notes() };
    } finally {
        run.delete();
    }
}

addEventListener("message", async ({ data }) => {
    const { job } = data;
    try {
        await loading;
        let answer;
        if (data.type === "tree")
            answer = await treeReport(data.file);
        else if (data.type === "header")
            answer = headerFields(new Uint8Array(await data.file.slice(0, HeaderBytes).arrayBuffer()),
                                  data.delimiter);
        else if (data.type === "batch")
            answer = await batch(data.file, data.options, job);
        else
            throw new Error(`unknown job ${data.type}`);
        postMessage({ ...answer, type: "done", job });
    } catch (error) {
        postMessage({ type: "error", job, message: error.message ?? String(error) });
    }
});
