// The page's own wording: counts that agree with their number, and the
// shared readers' messages with the page's controls named in place of the
// command line's options.

// "1 row", "2 rows", "1,000,000 rows".
export function count(number, singular, plural = `${singular}s`) {
    return `${number.toLocaleString("en")} ${number === 1 ? singular : plural}`;
}

const ProgramPrefix = /^spanwright-cli(?: [a-z]+)?: /gm;

// The page's controls, by the command line's options they stand for.
const ControlOf = {
    "--begin": "Begin (birth) column",
    "--end": "End (death) column",
    "--age": "Stated age column",
    "--exact": "exact age",
    "--switch": "Julian to Gregorian switch",
};

// What a message of the shared readers says in the page: no program name,
// and each option the page's control (dateOrderControl: the name of the
// date order control the message is about).
export function pageMessage(message, dateOrderControl, dateOrderSelect) {
    const wordsOf = (choice) => {
        const option = dateOrderSelect && [...dateOrderSelect.options].find((o) => o.value === choice);
        return option ? option.text : choice;
    };
    return message.replace(ProgramPrefix, "")
        .replace(/give --date-order (mdy|dmy|ymd)/g,
                 (_, choice) => `choose “${wordsOf(choice)}” in ${dateOrderControl}`)
        .replace(/(--begin|--end|--age) (\d+)(?=[: ])/g, (_, option, position) => `the ${ControlOf[option]} (column ${position})`)
        .replace(/(^|[ (])the (--begin|--end|--age) column/g, (_, before, option) => `${before}the ${ControlOf[option]}`)
        .replace(/--exact/g, `“${ControlOf["--exact"]}”`)
        .replace(/--switch/g, `“${ControlOf["--switch"]}”`);
}
