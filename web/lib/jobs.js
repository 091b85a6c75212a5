// A worker (worker.js) for a part's long jobs, off the page's thread. Each
// message names a job; progress and the answer come back under its id.
// stop() ends the worker at once, whatever it is doing: a part that is told
// to stop loses nothing but the job.

export class Cancelled extends Error {}

export class JobWorker {
    #worker = null;
    #waiting = new Map(); // job id -> handlers
    #nextJob = 1;

    #start() {
        this.#worker = new Worker(new URL("../worker.js", import.meta.url), { type: "module" });
        this.#worker.addEventListener("message", ({ data }) => {
            const job = this.#waiting.get(data.job);
            if (!job)
                return;
            if (data.type === "progress") {
                job.onProgress?.(data);
                return;
            }
            this.#waiting.delete(data.job);
            if (data.type === "error")
                job.reject(new Error(data.message));
            else
                job.resolve(data);
        });
    }

    // Starts the worker (loading the engine) before it is first needed.
    warm() {
        if (!this.#worker)
            this.#start();
    }

    ask(message, onProgress, transfer = []) {
        this.warm();
        const job = this.#nextJob++;
        return new Promise((resolve, reject) => {
            this.#waiting.set(job, { resolve, reject, onProgress });
            this.#worker.postMessage({ ...message, job }, transfer);
        });
    }

    get busy() {
        return this.#waiting.size > 0;
    }

    // Ends the worker and every job it holds (each rejected as Cancelled).
    stop() {
        this.#worker?.terminate();
        this.#worker = null;
        for (const job of this.#waiting.values())
            job.reject(new Cancelled("cancelled"));
        this.#waiting.clear();
    }
}
