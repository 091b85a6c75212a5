"""spanwright.dask on two worker processes against the in-process answers
over the same rows split into several partitions."""

import dask.dataframe
import distributed
import pandas
import pytest

import spanwright
import spanwright.dask
from test_frames import NARROW_ROWS, random_narrow_rows, random_pairs


@pytest.fixture(scope="module")
def client():
    with distributed.LocalCluster(n_workers=2, processes=True, threads_per_worker=1, dashboard_address=None) as cluster:
        with distributed.Client(cluster) as client:
            yield client


@pytest.mark.parametrize("options", [{}, {"date_order": "dmy", "notation": 2}])
def test_spans_partition_by_partition_are_the_in_process_ones(client, options):
    pairs = random_pairs(20_000, seed=5)
    frame = pandas.DataFrame(pairs, columns=["born", "died"])
    ddf = dask.dataframe.from_pandas(frame, npartitions=5)
    got = spanwright.dask.spans(ddf, begin="born", end="died", **options).compute()
    expected = pandas.concat([frame, spanwright.spans(frame["born"], frame["died"], **options)], axis=1)
    pandas.testing.assert_frame_equal(got, expected)


@pytest.mark.parametrize("options", [{}, {"exact": True, "switch": "GB"}])
def test_narrow_across_partitions_is_narrow_frame(client, options):
    # Sorted so that every person's records are spread over the partitions.
    rows = random_narrow_rows(3_000, seed=3) + NARROW_ROWS
    frame = pandas.DataFrame(rows, columns=["who", "when", "age"])
    ddf = dask.dataframe.from_pandas(frame.sort_values("when", kind="stable"), npartitions=4, sort=False)
    in_order = frame.loc[ddf.compute().index].reset_index(drop=True)
    expected = spanwright.narrow_frame(in_order, "who", "when", "age", **options)
    got = spanwright.dask.narrow(ddf, person="who", date="when", age="age", **options).compute()
    got = got.sort_index(kind="stable").reset_index(drop=True)
    assert (expected["conflict"].notna()).sum() > 10
    pandas.testing.assert_frame_equal(got, expected)
