"""spanwright for Dask DataFrames: the same answers, worked out partition by
partition on a cluster's workers.

    import dask.dataframe, distributed, spanwright.dask
    client = distributed.Client("tcp://scheduler:8786")
    links = dask.dataframe.read_parquet("links/*.parquet")
    spans = spanwright.dask.spans(links, begin="born", end="census_day")
    people = spanwright.dask.narrow(links, person="pid", date="census", age="age")
"""

import re

import numpy
import pandas

from . import frames

_SPAN_COLUMNS = {"years": "Int64", "months": "Int64", "days": "Int64", "span": object, "error": object}
_NARROW_COLUMNS = {"person": object, "records": "int64", "earliest": object, "latest": object, "dates": "Int64",
                   "conflict": object, "error": object, "about": bool}
_ROW = "__spanwright_row"  # each record's row in the whole frame, as a sheet with a header numbers it


def _add_spans(partition, begin, end, notation, options):
    answer = frames.spans(partition[begin], partition[end], notation=notation, **options)
    return partition.assign(**{column: answer[column] for column in answer.columns})


def spans(ddf, begin, end, notation=4, **options):
    """The frame with spanwright.spans's columns (years, months, days, span,
    error) added, worked out partition by partition; an existing column of
    the same name is replaced."""
    meta = ddf._meta.assign(**{name: pandas.Series(dtype=dtype) for name, dtype in _SPAN_COLUMNS.items()})
    return ddf.map_partitions(_add_spans, begin, end, notation, options, meta=meta)


def _number_rows(partition, person, date, age, offsets, partition_info=None):
    first = offsets[partition_info["number"]] if partition_info else 0
    rows = pandas.DataFrame({person: partition[person], date: partition[date], age: partition[age]})
    rows[_ROW] = numpy.arange(first, first + len(rows), dtype="int64") + 2
    return rows


def _order_keys(answer, first_rows, after_everyone):
    """Where each answer row stands in narrow_frame's order over the whole
    frame: a person's rows at the row of the person's first record, the
    rows without a person after everyone's, at their own rows."""
    keys = []
    for person, error in zip(answer["person"], answer["error"]):
        if person in first_rows:
            keys.append(first_rows[person])
        else:
            keys.append(after_everyone + int(re.match(r"row (\d+)", error).group(1)))
    return keys


def _narrow_partition(partition, person, date, age, exact, after_everyone, options):
    partition = partition.sort_values(_ROW, kind="stable")
    texts = partition[person].map(lambda value: "" if pandas.isna(value) else str(value))
    records = pandas.DataFrame({"person": texts, "date": partition[date], "age": partition[age]})
    answer = frames.narrow_frame(records, "person", "date", "age", exact=exact, rows=partition[_ROW], **options)
    named = records["person"] != ""
    first_rows = partition[_ROW][named.values].groupby(records["person"][named].values).min().to_dict()
    answer.index = pandas.Index(_order_keys(answer, first_rows, after_everyone), dtype="int64", name="order")
    return answer


def narrow(ddf, person, date, age, exact=False, **options):
    """spanwright.narrow_frame over a whole Dask DataFrame, whose records of
    one person may sit in several partitions: the records are numbered as
    the rows of one sheet (the first row 2), moved so that each person's
    sit in one partition, and narrowed there. The answer's index, "order",
    puts its rows in narrow_frame's order over the whole frame:
    narrow(...).compute().sort_index(kind="stable") holds its rows."""
    lengths = ddf.map_partitions(len).compute().tolist()
    offsets = numpy.concatenate([[0], numpy.cumsum(lengths)]).tolist()
    numbered = ddf.map_partitions(_number_rows, person, date, age, offsets,
                                  meta=ddf._meta[[person, date, age]].assign(**{_ROW: pandas.Series(dtype="int64")}))
    # A person's key is the text the sheet would hold, so that 5 and "5"
    # are one person, as they are in narrow_frame.
    numbered = numbered.assign(__spanwright_key=numbered[person].astype(str))
    moved = numbered.shuffle("__spanwright_key")
    meta = pandas.DataFrame({name: pandas.Series(dtype=dtype) for name, dtype in _NARROW_COLUMNS.items()},
                            index=pandas.Index([], dtype="int64", name="order"))
    after_everyone = offsets[-1] + 2
    return moved.map_partitions(_narrow_partition, person, date, age, exact, after_everyone, options, meta=meta)
