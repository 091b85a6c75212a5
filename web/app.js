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

async function keepSiteOffline() {
    if (!("serviceWorker" in navigator))
        return;
    const hadController = navigator.serviceWorker.controller !== null;
    const registration = await navigator.serviceWorker.register("service-worker.js", { scope: "./" });
    // A version still installing as the page starts (found just before this
    // load) is waited for, so that it too is taken now and not half a use later.
    const newVersion = registration.waiting ?? (hadController ? await installed(registration.installing) : null);
    if (newVersion && hadController) {
        navigator.serviceWorker.addEventListener("controllerchange", () => location.reload(), { once: true });
        newVersion.postMessage("take-new-version");
        return;
    }
    registration.addEventListener("updatefound", () => {
        const installing = registration.installing;
        installing?.addEventListener("statechange", () => {
            if (installing.state === "installed" && navigator.serviceWorker.controller)
                $("app-status").textContent = "A new version of the page is ready: it is used the next time the page is opened.";
        });
    });
    await navigator.serviceWorker.ready;
    document.documentElement.dataset.offline = "ready";
}

keepSiteOffline().catch((error) => {
    $("app-status").textContent = `The page cannot be kept for offline use here: ${error.message}`;
});
