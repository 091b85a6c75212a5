// The page's frame: the service worker that keeps the site for offline
// use, and the date order the span and tombstone parts read typed dates in.
// Each part is a module of its own in parts/.
import { $, rememberChoice } from "./lib/page.js";

rememberChoice($("date-order"));

// A new version of the site is taken as the page starts, before anything
// is in use; one found while the page is in use waits for the next load.
// The worker once installed, or null when there is none or it fails.
function installed(worker) {
    if (!worker)
        return Promise.resolve(null);
    return new Promise((resolve) => {
        const settle = () => {
            if (worker.state === "installed" || worker.state === "activating" || worker.state === "activated")
                resolve(worker.state === "installed" ? worker : null);
            else if (worker.state === "redundant")
                resolve(null);
        };
        worker.addEventListener("statechange", settle);
        settle();
    });
}

// How long a new version asked to take over at the start may take.
const TakeOverWaitMs = 5000;

// Whether the page has been used: typed in, clicked, given a file.
let inUse = false;
for (const type of ["pointerdown", "keydown", "input", "change", "drop"])
    document.addEventListener(type, () => { inUse = true; }, { capture: true, once: true });

async function keepSiteOffline() {
    if (!("serviceWorker" in navigator))
        return;
    const hadController = navigator.serviceWorker.controller !== null;
    // A new version that takes over before the page is used is loaded
    // anew: the one asked for below, or one the browser activated itself
    // while this page was loading (the old version's files may then not
    // all have arrived). Once the page is in use nothing takes over.
    if (hadController) {
        navigator.serviceWorker.addEventListener("controllerchange", () => {
            if (!inUse)
                location.reload();
        }, { once: true });
    }
    const registration = await navigator.serviceWorker.register("service-worker.js", { scope: "./" });
    // A version still installing as the page starts (found just before this
    // load) is waited for, so that it too is taken now and not half a use later.
    const newVersion = registration.waiting ?? (hadController ? await installed(registration.installing) : null);
    const tellWaiting = () => {
        $("app-status").textContent = "A new version of the page is ready: it is used the next time the page is opened.";
    };
    if (newVersion && hadController) {
        newVersion.postMessage("take-new-version");
        // The browser may keep it waiting all the same (until the site's
        // pages are closed): then this load goes on with the version it has.
        setTimeout(() => {
            if (newVersion.state === "installed")
                tellWaiting();
        }, TakeOverWaitMs);
    }
    registration.addEventListener("updatefound", () => {
        const installing = registration.installing;
        installing?.addEventListener("statechange", () => {
            if (installing.state === "installed" && navigator.serviceWorker.controller)
                tellWaiting();
        });
    });
    await navigator.serviceWorker.ready;
    document.documentElement.dataset.offline = "ready";
}

keepSiteOffline().catch((error) => {
    $("app-status").textContent = `The page cannot be kept for offline use here: ${error.message}`;
});
