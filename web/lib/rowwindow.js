// A table body that holds only the rows in view (and a few around them),
// so that a report of thousands of people renders, scrolls and sorts
// without holding up the page; for printing, every row at once.

// Rows rendered beyond each edge of the view.
const Overscan = 20;
// Texts longer than this may be cut on screen; their cell shows them whole
// as its title.
const LongCell = 40;

export class RowWindow {
    #frame;
    #body;
    #columns = 0;
    #rows = [];   // the table's rows, each an array of texts
    #order = [];  // the indices of the rows shown, in order
    #rowHeight = 0;
    #decorate;
    #shown = [-1, -1];
    #printing = false;

    // decorate(line, row): marks a rendered <tr> (e.g. as an error).
    constructor(frame, body, decorate) {
        this.#frame = frame;
        this.#body = body;
        this.#decorate = decorate;
        frame.addEventListener("scroll", () => this.#render(), { passive: true });
        addEventListener("resize", () => this.#render(true));
        addEventListener("beforeprint", () => this.printAll(true));
        addEventListener("afterprint", () => this.printAll(false));
    }

    show(rows, order, columns) {
        this.#rows = rows;
        this.#order = order;
        this.#columns = columns;
        this.#render(true);
    }

    get shownCount() {
        return this.#order.length;
    }

    // Every row in the body, for printing (the browser has no view then).
    printAll(printing) {
        this.#printing = printing;
        this.#render(true);
    }

    #line(index) {
        const row = this.#rows[index];
        const line = document.createElement("tr");
        for (let column = 0; column < this.#columns; ++column) {
            const cell = document.createElement(column === 1 ? "th" : "td");
            if (column === 1)
                cell.scope = "row";
            cell.textContent = row[column] ?? "";
            if (cell.textContent.length > LongCell)
                cell.title = cell.textContent; // cut to the column's width on screen
            line.append(cell);
        }
        this.#decorate(line, row);
        return line;
    }

    #spacer(height) {
        const line = document.createElement("tr");
        line.className = "spacer";
        line.setAttribute("aria-hidden", "true");
        const cell = document.createElement("td");
        cell.colSpan = this.#columns;
        cell.style.height = `${height}px`;
        line.append(cell);
        return line;
    }

    #render(force = false) {
        const count = this.#order.length;
        if (this.#printing) {
            this.#body.replaceChildren(...[...this.#order].map((index) => this.#line(index)));
            this.#shown = [-1, -1];
            return;
        }
        if (!this.#rowHeight && count) {
            this.#body.replaceChildren(this.#line(this.#order[0]));
            this.#rowHeight = this.#body.firstChild.getBoundingClientRect().height || 24;
        }
        const height = this.#rowHeight || 24;
        const first = Math.max(0, Math.floor(this.#frame.scrollTop / height) - Overscan);
        const last = Math.min(count, Math.ceil((this.#frame.scrollTop + this.#frame.clientHeight) / height) + Overscan);
        if (!force && first === this.#shown[0] && last === this.#shown[1])
            return;
        this.#shown = [first, last];
        const lines = [];
        if (first > 0)
            lines.push(this.#spacer(first * height));
        for (let i = first; i < last; ++i)
            lines.push(this.#line(this.#order[i]));
        if (last < count)
            lines.push(this.#spacer((count - last) * height));
        this.#body.replaceChildren(...lines);
    }
}
